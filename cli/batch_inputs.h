// The checks of the two names before a batch run: each must be a file or a
// readable directory, both of one kind, and the options for directories are
// given only with directories.
#ifndef KESTRIN_CLI_BATCH_INPUTS_H_
#define KESTRIN_CLI_BATCH_INPUTS_H_

#include <string>

#include "cli/batch_options.h"
#include "engine/file_system.h"

namespace kestrin {

// Why options.new_file and options.old_file cannot be compared, one line for
// each fault and each naming its side (NEW or OLD) and the system's reason;
// empty when they can. Looks at the names through `fs` and never opens a
// file, so a pipe cannot keep it waiting.
std::string InputsError(const BatchOptions& options, FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_INPUTS_H_
