// The compare choices of one batch run: the settings file's, overridden by
// the command line, and the compare type they and the names call for.
#ifndef KESTRIN_CLI_BATCH_CHOICES_H_
#define KESTRIN_CLI_BATCH_CHOICES_H_

#include <string>

#include "cli/batch_options.h"
#include "engine/compare_settings.h"
#include "engine/file_system.h"

namespace kestrin {

struct BatchChoices {
  ControlValues controls;
  int compare_type = 1;  // 1 to 4, as the compare-type selector numbers them
  // Compare type 3: "a.txt;b.txt;"; type 4: "new.c : old.c;".
  std::string selection;
  // Directories are compared with their subdirectories: --recursive, or the
  // settings file's "Include subdirectories".
  bool include_subdirectories = false;
  std::string error;     // why there are none, when not empty
  // Values of the settings file that are not used, one line each, when the
  // run goes on without them.
  std::string warnings;
};

// The controls start from their defaults, or from options.settings_file;
// --list and --options override them. Two files are compared as such (type
// 1); two directories as type 3 with --select, 4 with --select-pairs, else
// the settings file's type 3 or 4 with its saved selection, else type 2.
// A settings file value that is not used is refused, but for an unknown
// listing type or Dudc choice, which keep their designed entries and are
// only warned of.
BatchChoices ResolveBatchChoices(const BatchOptions& options, FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_CHOICES_H_
