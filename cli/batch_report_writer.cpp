// The batch program's report output.
#include "cli/batch_report_writer.h"

#include "cli/batch_texts.h"

namespace kestrin {
namespace {

constexpr int kExitTrouble = 2;

}  // namespace

BatchReportWriter::BatchReportWriter(std::ostream& out, const std::string& secondary_path)
    : out_(out), secondary_path_(secondary_path) {
  if (!secondary_path_.empty()) secondary_.emplace(secondary_path_);
}

void BatchReportWriter::TakeLine(ReportList list, std::string_view line) {
  if (list == ReportList::kPrimary) {
    out_.write(line.data(), static_cast<std::streamsize>(line.size()));
    out_.put('\n');
  } else if (secondary_) {
    secondary_->Write(line);
  }
}

int BatchReportWriter::Finish(int status, bool sbsl, std::ostream& err) {
  out_.flush();
  if (!out_) {
    err << kStandardOutputFailed << '\n';
    status = kExitTrouble;
  }
  // Only a side-by-side report has a Secondary list.
  if (secondary_ && sbsl && !secondary_->Place()) {
    err << kSecondaryWriteFailed << secondary_path_ << kSecondaryWriteFailedEnd << '\n';
    status = kExitTrouble;
  }
  return status;
}

}  // namespace kestrin
