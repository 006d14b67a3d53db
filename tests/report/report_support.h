// Helpers for the report tests: a recording host, scratch directories with
// fixed file times, whole compare runs through the engine, golden files, and
// sections built by hand with the matcher's verdict.
#ifndef KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_
#define KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"
#include "engine/pair_run.h"
#include "report/context_writer.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_store.h"
#include "report/section_listing.h"

namespace kestrin::report_support {

// The file time every test file gets: 2024-01-02 03:04:05 UTC, shown as
// "01/02/24 03:04:05" with LC_ALL=C and TZ=UTC.
inline constexpr int64_t kFixedFileTime = 1704164645;
inline constexpr char kFixedTimeText[] = "01/02/24 03:04:05";

// Records what the report shows: status texts, messages, questions (all
// answered No).
class ReportHost : public EngineHost {
 public:
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void ToggleProgress() override { ++toggles; }
  void ShowFirstProgress() override {}
  void HideProgress() override {}
  void ProcessEvents() override { ++events; }
  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  int toggles = 0;
  int events = 0;
};

// A fresh directory, removed with its files when the object goes.
class ReportScratch {
 public:
  ReportScratch();
  ~ReportScratch();
  ReportScratch(const ReportScratch&) = delete;
  ReportScratch& operator=(const ReportScratch&) = delete;

  const std::string& path() const { return path_; }
  // Writes `bytes` as file `name` with the fixed file time.
  void Write(const std::string& name, std::string_view bytes) const;

 private:
  std::string path_;
};

// The bytes of the file at `path`.
std::string ReadReportFile(const std::string& path);

// Sets TZ to UTC so that file times format alike everywhere.
void UseUtcFileTimes();

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
  ReportHost host;
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

// Compares `lines`, each ended by a line feed, with the golden file at
// `path`; with KESTRIN_UPDATE_GOLDEN=1 rewrites it instead.
void ExpectGoldenFile(const std::string& path, const std::vector<std::string>& lines);

// The test programs know the source tree; the support library does not.
#ifdef KESTRIN_SOURCE_DIR
// The bytes of a file under tests/report/data/.
inline std::string ReportData(const std::string& relative_path) {
  return ReadReportFile(std::string(KESTRIN_SOURCE_DIR) + "/tests/report/data/" + relative_path);
}
// Compares `lines` with golden file `name` under tests/report/golden/.
inline void ExpectGolden(const std::string& name, const std::vector<std::string>& lines) {
  ExpectGoldenFile(std::string(KESTRIN_SOURCE_DIR) + "/tests/report/golden/" + name, lines);
}
#endif

// `count` lines of text: "<prefix> 1" ... each ended by a line feed.
std::string CountedLines(const std::string& prefix, int first, int count);

// A compare run without files, its counts set by hand, and a report to
// write its summaries into.
struct HandRun {
  HandRun();
  // True iff the report holds `line`, or a line that starts with `start`.
  bool Has(const std::string& line) const;
  bool HasStart(const std::string& start) const;

  PairList pairs;
  bool halt = false;
  ReportHost host;
  CompareRun run;
  ReportLines lines;
  ReportStore store;
  DirectoryRunInfo info;
};

// Collects listing lines in order.
class CollectingSink : public ListingSink {
 public:
  void Write(std::string line) override { lines.push_back(std::move(line)); }
  std::vector<std::string> lines;
};

// A section built by hand: raw lines with the matcher's verdict, counted and
// listed without any file.
class HandSection {
 public:
  HandSection();

  // Adds a new line; `partner` is the old line (from 1) it is matched with,
  // 0 for none.
  void New(std::string text, int32_t partner = 0);
  void Old(std::string text);
  void NewDp(std::string text);
  // Marks new line i and old line j as one moved line.
  void Move(int32_t i, int32_t j);

  SectionView View();
  // Counts the section and writes its Chng/Long listing into the returned lines.
  std::vector<std::string> ChangeListing();

  CompareSettings settings;
  PairResult pair;
  Section new_lines;
  Section old_lines;
  SideFile new_side;
  SideFile old_side;
};

}  // namespace kestrin::report_support

#endif  // KESTRIN_TESTS_REPORT_REPORT_SUPPORT_H_
