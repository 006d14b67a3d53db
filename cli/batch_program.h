// The batch program: compares from the command line and prints the report.
#ifndef KESTRIN_CLI_BATCH_PROGRAM_H_
#define KESTRIN_CLI_BATCH_PROGRAM_H_

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace kestrin {

// Runs kestrin-batch with `arguments` (without the program name), writing the
// report to `out` and messages to `err`, and reading every file, the settings
// file too, through `fs`. Returns the exit status.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_PROGRAM_H_
