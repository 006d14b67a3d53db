// The batch program: compares from the command line and prints the report.
#ifndef KESTRIN_CLI_BATCH_PROGRAM_H_
#define KESTRIN_CLI_BATCH_PROGRAM_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace kestrin {

// Runs kestrin-batch with `arguments` (without the program name), writing the
// report to `out` and messages to `err`. Returns the exit status.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_PROGRAM_H_
