// The batch program's report output: each line is written as the run makes
// it, so the program holds no more of the report than one line.
#ifndef KESTRIN_CLI_BATCH_REPORT_WRITER_H_
#define KESTRIN_CLI_BATCH_REPORT_WRITER_H_

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/batch_secondary.h"
#include "report/report_sink.h"

namespace kestrin {

// Writes Primary lines to `out` and, when a Secondary file is named,
// Secondary lines towards it (see SecondaryFile): the named file, even one
// of the compared files, is never changed while the run reads.
class BatchReportWriter : public ReportSink {
 public:
  // An empty `secondary_path` writes no Secondary list.
  BatchReportWriter(std::ostream& out, const std::string& secondary_path);

  // Writes `line` and a line feed to its list's output.
  void TakeLine(ReportList list, std::string_view line) override;

  // Flushes standard output and, for a side-by-side report (`sbsl`), puts
  // the Secondary file in place. Tells each failure on `err` and returns 2
  // after one, else `status`.
  int Finish(int status, bool sbsl, std::ostream& err);

 private:
  std::ostream& out_;
  std::string secondary_path_;
  std::optional<SecondaryFile> secondary_;
};

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_REPORT_WRITER_H_
