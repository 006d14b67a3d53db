// One compare run of the batch program: two named files (compare type 1) or
// two directories (compare types 2 to 4).
#ifndef KESTRIN_CLI_BATCH_COMPARE_H_
#define KESTRIN_CLI_BATCH_COMPARE_H_

#include <ostream>
#include <string>

#include "cli/batch_options.h"
#include "engine/compare_settings.h"
#include "report/report_lines.h"

namespace kestrin {

// The batch program's exit status for a run's final message: 0 equivalent,
// filtered equivalent or nothing compared; 1 differences; 2 anything else,
// and 2 whenever the run asked a question or showed a message (a file that
// could not be opened leaves nothing compared, which is no success).
int ExitStatusFor(const std::string& final_message, bool reported_trouble);

// Writes every Primary line of `report` (the final message last) to `out`,
// each ended by a line feed, and with --secondary the Secondary lines to
// their file. Returns `status`, or 2 when the report could not be written.
int WriteBatchReport(const ReportLines& report, const BatchOptions& options, int status,
                     std::ostream& out, std::ostream& err);

// Compares the files options.new_file and options.old_file with `controls`,
// writes the report to `out` and messages to `err`. `err_is_terminal` lets
// status texts rewrite one line. Returns the exit status.
int RunBatchCompare(const BatchOptions& options, ControlValues controls, std::ostream& out,
                    std::ostream& err, bool err_is_terminal);

// Compares the directories options.new_file and options.old_file as compare
// type 2 (every like-named pair), 3 (the names of options.select) or 4 (the
// pairs of options.select_pairs) under options.mask. Returns the exit status.
int RunBatchDirectoryCompare(const BatchOptions& options, const ControlValues& controls,
                             int compare_type, std::ostream& out, std::ostream& err,
                             bool err_is_terminal);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_COMPARE_H_
