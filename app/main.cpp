// kestrin: start-up of the windows. The application gets its title, the
// main window is made (it loads the settings and takes the first two
// arguments as the new and old names), and the program waits for the user.
#include <QApplication>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_dialogs.h"
#include "ui/main/main_window_help.h"
#include "views/main_texts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(kestrin::kApplicationTitle);

  kestrin::FileSystem& fs = kestrin::DefaultFileSystem();
  kestrin::MainWindowDialogs dialogs;
  kestrin::DesktopHelpViewer help;
  // QApplication has taken its own options out of argv; the names keep
  // their bytes as given.
  std::vector<std::string> arguments(argv + 1, argv + argc);
  kestrin::TFrmMain main_window(
      {kestrin::ProgramSettingsPlace(fs), std::move(arguments), fs, dialogs, help});
  dialogs.SetOwner(&main_window);
  dialogs.SetBrowserWindows(&main_window.BrowserWindows());
  dialogs.SetReportViewers(&main_window.Viewers());
  QObject::connect(&main_window, &kestrin::TFrmMain::ProgramEnding, &application,
                   &QCoreApplication::quit, Qt::QueuedConnection);
  main_window.show();
  return QApplication::exec();
}
