// One compare run of the batch program: two named files (compare type 1) or
// two directories (compare types 2 to 4), each run as the main window runs it.
#ifndef KESTRIN_CLI_BATCH_COMPARE_H_
#define KESTRIN_CLI_BATCH_COMPARE_H_

#include <ostream>
#include <string>

#include "cli/batch_choices.h"
#include "cli/batch_options.h"
#include "engine/file_system.h"

namespace kestrin {

// The batch program's exit status for a run's final message: 0 equivalent,
// filtered equivalent or nothing compared; 1 differences; 2 anything else,
// and 2 whenever the run asked a question or showed a message (a file that
// could not be opened leaves nothing compared, which is no success).
int ExitStatusFor(const std::string& final_message, bool reported_trouble);

// Compares options.new_file and options.old_file as choices.compare_type
// asks: two files (1), every like-named pair of two directories (2), the
// names of options.select (3) or the pairs of options.select_pairs (4), the
// directories listed under options.mask, with their subdirectories when
// choices.include_subdirectories is set. Writes the report to `out` line by
// line as it is made (the final message last, each line ended by a line
// feed; with --secondary and Sbsl the Secondary lines to their file) and status
// texts, questions and messages to `err`; `err_is_terminal` lets status
// texts rewrite one line. Reads every file through `fs`. Returns the exit
// status.
int RunBatchCompare(const BatchOptions& options, const BatchChoices& choices,
                    std::ostream& out, std::ostream& err, bool err_is_terminal, FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_COMPARE_H_
