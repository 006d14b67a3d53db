// The program's windows as start-up makes them: the main window with its
// message boxes and help, every window a run opens tied to the main window,
// and the end of the program tied to the application's event loop.
#ifndef KESTRIN_UI_MAIN_PROGRAM_WINDOWS_H_
#define KESTRIN_UI_MAIN_PROGRAM_WINDOWS_H_

#include <memory>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "settings/settings_location.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_dialogs.h"
#include "ui/main/main_window_help.h"

namespace kestrin {

class ProgramWindows {
 public:
  // Names the application, makes the main window (it loads the settings of
  // `settings_place` and takes the first two `arguments` as the new and old
  // names) and wires the windows together; the window is not shown yet.
  // When the main window ends the program, the application's event loop
  // quits. `fs` and `help` must outlive this object.
  // REQUIRES: the QApplication exists.
  ProgramWindows(const SettingsPlace& settings_place, std::vector<std::string> arguments,
                 FileSystem& fs, HelpViewer& help);
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TFrmMain& MainWindow() { return *main_window_; }
  MainWindowDialogs& Dialogs() { return dialogs_; }

 private:
  MainWindowDialogs dialogs_;
  // Declared after dialogs_, so that it goes first: the main window may
  // still call the dialogs while it closes.
  std::unique_ptr<TFrmMain> main_window_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_PROGRAM_WINDOWS_H_
