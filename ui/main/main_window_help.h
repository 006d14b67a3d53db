// The program's help: an HTML page beside the program, opened at its
// contents in the desktop's default viewer.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_HELP_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_HELP_H_

#include <string>

#include "engine/file_system.h"
#include "run/run_dialogs.h"

namespace kestrin {

// Opens a help page outside the program. Tests record the request instead.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens the page at `path`. Returns false when no viewer took it.
  virtual bool Open(const std::string& path) = 0;
};

// Opens local files with the desktop's default application.
class DesktopHelpViewer : public HelpViewer {
 public:
  bool Open(const std::string& path) override;
};

// The help file's full name in `program_directory`.
std::string HelpFilePath(const std::string& program_directory);

// Opens the help file of `program_directory` with `viewer`; a missing file or
// a refusal of the viewer is told to the user through `dialogs`.
void OpenHelp(const std::string& program_directory, FileSystem& fs, HelpViewer& viewer,
              RunDialogs& dialogs);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_HELP_H_
