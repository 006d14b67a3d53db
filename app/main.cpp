// kestrin: start-up of the windows. The command line is read first, so that
// --help, --version and usage errors end the program without a display.
// Then spill files left by earlier runs that ended abnormally are removed,
// the application gets its icon and its name for the desktop, the
// windows are made and wired together (the main window loads the settings
// and takes the names given as the new and old names), a compare asked for
// with --start is run, and the program waits for the user.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <iostream>
#include <string>
#include <vector>

#include "app/start_command.h"
#include "engine/file_system.h"
#include "report/spill_file.h"
#include "ui/main/main_window_help.h"
#include "ui/main/program_windows.h"

namespace {

// The window icon: the desktop entry's icon in its pixel sizes, built into
// the program (KESTRIN_APP_ID names the entry and its icon).
QIcon ProgramIcon() {
  QIcon icon;
  for (const char* size : {"48", "256"}) {
    icon.addFile(QStringLiteral(":/icons/%1/" KESTRIN_APP_ID ".png").arg(size));
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  const kestrin::StartCommand command =
      kestrin::ReadStartCommand(std::vector<std::string>(argv, argv + argc));
  if (command.action == kestrin::StartAction::kPrint) std::cout << command.text;
  if (command.action == kestrin::StartAction::kUsageError) std::cerr << command.text;
  if (command.action != kestrin::StartAction::kOpenWindow) return kestrin::StartExitStatus(command);

  std::cerr << command.notice;
  // Reports of runs that ended without removing their spill files.
  kestrin::RemoveStaleSpillFiles(kestrin::SpillDirectory());
  QApplication application(argc, argv);
  QApplication::setDesktopFileName(KESTRIN_APP_ID);
  QApplication::setWindowIcon(ProgramIcon());
  kestrin::FileSystem& fs = kestrin::DefaultFileSystem();
  kestrin::DesktopHelpViewer help;
  kestrin::ProgramWindows windows(kestrin::ProgramSettingsPlace(fs), command.names, fs, help);
  kestrin::TFrmMain& main_window = windows.MainWindow();
  main_window.show();
  if (command.start_at_once) {
    QTimer::singleShot(0, &main_window, [&main_window] { main_window.Controller().StartAtOnce(); });
  }
  return QApplication::exec();
}
