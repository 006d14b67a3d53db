// The program's help: an HTML page beside the program (in the build tree) or
// in the installed data directory, opened in the desktop's default viewer.
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

// The help file's full name for a program in `program_directory`: beside
// the program when it is there, else in the data directory an installed
// program has beside its own (share/kestrin/ next to bin/), which is also
// the name a missing help file is reported by.
std::string HelpFilePath(const std::string& program_directory, FileSystem& fs);

// Opens the help file of a program in `program_directory` with `viewer`; a
// missing file or a refusal of the viewer is told to the user through
// `dialogs`.
void OpenHelp(const std::string& program_directory, FileSystem& fs, HelpViewer& viewer,
              RunDialogs& dialogs);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_HELP_H_
