// Fault lines of a pair.
#include "report/pair_faults.h"

#include "engine/file_system.h"
#include "report/report_format.h"
#include "report/report_texts.h"

namespace kestrin {
namespace {

const char* FileOf(OpenStep step) {
  switch (step) {
    case OpenStep::kOpenNew:
      return kNewInputFile;
    case OpenStep::kOpenOld:
      return kOldInputFile;
    case OpenStep::kSeek:
      return kInputFile;
  }
  return kInputFile;
}

void WriteOpenFailure(const PairResult& pair, ReportStore& store) {
  const char* what = pair.failed_step == OpenStep::kSeek ? kFaultPositioned : kFaultOpened;
  store.AddLine(FormatText(kOpenFailedFormat, FileOf(pair.failed_step), pair.failed_path.c_str(),
                           what, ErrorReason(pair.failed_error).c_str()));
}

void WriteEndedShort(const SideFile& side, ReportStore& store) {
  if (side.ended_short_at < 0) return;
  const char* file = side.is_new_side ? kNewInputFile : kOldInputFile;
  const auto ended_at = static_cast<long long>(side.ended_short_at);
  if (side.ReadFailed) {
    store.AddLine(FormatText(kReadFailedFormat, file, side.file_name.c_str(), ended_at,
                             ErrorReason(side.read_error).c_str()));
  } else {
    store.AddLine(FormatText(kEndedShortFormat, file, side.file_name.c_str(), ended_at,
                             static_cast<long long>(side.file_size)));
  }
}

}  // namespace

void WritePairFaults(const CompareRun& run, ReportStore& store) {
  if (run.pair.OpenFailed) {
    WriteOpenFailure(run.pair, store);
    return;
  }
  WriteEndedShort(run.new_side, store);
  WriteEndedShort(run.old_side, store);
}

}  // namespace kestrin
