// Helpers for the main window's widget tests.
#include "tests/ui/common/main_support.h"

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/file_system.h"
#include "engine/path.h"
#include "report/report_lines.h"

namespace kestrin::main_testing {

QString ScreenshotPath(const std::string& name) {
  const QString folder = QStringLiteral(KESTRIN_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  QString file = QString::fromStdString(name);
  const QString suffix = qEnvironmentVariable("KESTRIN_SCREENSHOT_SUFFIX");
  if (!suffix.isEmpty()) file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
  return folder + QLatin1Char('/') + file;
}

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty() || chosen == "offscreen") {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" KESTRIN_SOURCE_DIR "/tests/ui/offscreen_screen.json");
  }
  static int argc = 1;
  static char program_name[] = "kestrin-ui-test";
  static char* argv[] = {program_name, nullptr};
  // Lives as long as the test program; the static pointer keeps it reachable.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

MainWindowFixture::MainWindowFixture() { EnsureApplication(); }

MainWindowFixture::~MainWindowFixture() = default;

TFrmMain& MainWindowFixture::Make(std::vector<std::string> arguments) {
  window_.reset();
  window_ = std::make_unique<TFrmMain>(MainWindowSetup{SettingsPlace{scratch.path(), scratch.path(), ""},
                                                       std::move(arguments), DefaultFileSystem(),
                                                       dialogs, help});
  QObject::connect(window_.get(), &TFrmMain::ProgramEnding, window_.get(),
                   [this] { ++program_endings; });
  window_->show();
  return *window_;
}

BoxCloser::BoxCloser() {
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    owners.push_back(box->parentWidget());
    box->done(QMessageBox::Ok);
  });
  timer_.start(10);
}

void TypeInto(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

std::string NumberedLines(int count, int changed_every, std::string_view tag) {
  std::string text;
  for (int line = 1; line <= count; ++line) {
    text += "line " + std::to_string(line);
    if (line % changed_every == 0) text += " " + std::string(tag);
    text += "\n";
  }
  return text;
}

}  // namespace kestrin::main_testing
