// Helpers for the report tests: whole compare runs through the engine, and
// report golden files.
#ifndef KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_
#define KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_

#include <string>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/file_system.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_store.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::report_support {

using testkit::kFixedFileTime;
using testkit::RecordingHost;

// One pair of a run: names and contents.
struct PairFiles {
  std::string new_name;
  std::string new_bytes;
  std::string old_name;
  std::string old_bytes;
};

struct ReportRun {
  ReportLines lines;
  std::string final_message;
  RecordingHost host;
  FileSystem* file_system = nullptr;  // the files are read through it, if set
};

// Runs the pairs through the engine and the report generator with the files
// in one scratch directory (new files under "new/", old under "old/"), that
// directory being the current one, so that headings show "new/a.txt".
void RunReport(const std::vector<PairFiles>& pairs, ControlValues controls,
               const DirectoryRunInfo& info, ReportRun& run,
               size_t line_capacity = kUnlimitedLines);
// One pair "new.txt" / "old.txt" in the scratch directory itself.
void RunOnePair(const std::string& new_bytes, const std::string& old_bytes, ControlValues controls,
                ReportRun& run);

// Controls with a listing type and an OPTIONS text ("Dcpp Icas").
ControlValues ControlsWith(const std::string& listing_type, const std::string& options_text);

// Compares `lines` with golden file `name` under tests/report/golden/.
inline void ExpectGolden(const std::string& name, const std::vector<std::string>& lines) {
  testkit::ExpectGoldenLines("tests/report/golden/" + name, lines);
}

}  // namespace kestrin::report_support

#endif  // KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_
