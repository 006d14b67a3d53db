// The kestrin program's command line, read before any window exists so that
// --help, --version and usage errors need no display.
#ifndef KESTRIN_APP_START_COMMAND_H_
#define KESTRIN_APP_START_COMMAND_H_

#include <string>
#include <vector>

namespace kestrin {

enum class StartAction {
  kOpenWindow,  // open the main window with `names`
  kPrint,       // print `text` on standard output and end with status 0
  kUsageError,  // print `text` on standard error and end with status 2
};

struct StartCommand {
  StartAction action = StartAction::kOpenWindow;
  std::string text;                // the help or version text, or the usage error
  std::string notice;              // for standard error before the window opens
  std::vector<std::string> names;  // NEW and OLD as given, at most two
  bool start_at_once = false;      // --start: run the compare on the two names
};

// The exit status of a command that ends before the window opens.
int StartExitStatus(const StartCommand& command);

// Reads `arguments` (the program's name first). Options: -h/--help,
// -v/--version, --start; "--" ends the options, so names may begin with "-".
// Names keep their bytes as given, whatever the locale; of more than two,
// the first two are used, as when files are dropped on the window, with a
// notice.
StartCommand ReadStartCommand(const std::vector<std::string>& arguments);

}  // namespace kestrin

#endif  // KESTRIN_APP_START_COMMAND_H_
