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
  // Directories are compared with their subdirectories: --recursive, or the
  // settings file's "Include subdirectories".
  bool include_subdirectories = false;
  std::string error;     // why there are none, when not empty
};

// The controls start from their defaults, or from options.settings_file;
// --list and --options override them. The compare type is 3 with --select,
// 4 with --select-pairs, else the settings file's type 3 or 4, else 2 when
// both names are directories and 1 otherwise.
BatchChoices ResolveBatchChoices(const BatchOptions& options, FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_CHOICES_H_
