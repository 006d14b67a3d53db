// kestrin: placeholder start-up until the main window lands.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Kestrin"));
  label.show();
  return QApplication::exec();
}
