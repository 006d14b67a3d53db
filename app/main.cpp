// kestrin: start-up of the windows. The windows are made and wired together
// (the main window loads the settings and takes the first two arguments as
// the new and old names), and the program waits for the user.
#include <QApplication>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "ui/main/main_window_help.h"
#include "ui/main/program_windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  kestrin::FileSystem& fs = kestrin::DefaultFileSystem();
  kestrin::DesktopHelpViewer help;
  // QApplication has taken its own options out of argv; the names keep
  // their bytes as given.
  std::vector<std::string> arguments(argv + 1, argv + argc);
  kestrin::ProgramWindows windows(kestrin::ProgramSettingsPlace(fs), std::move(arguments), fs,
                                  help);
  windows.MainWindow().show();
  return QApplication::exec();
}
