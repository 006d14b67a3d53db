// The report generator: turns every section and pair the engine compares into
// listing lines, per-pair summaries and the directory summary of one run.
#ifndef KESTRIN_REPORT_REPORT_GENERATOR_H_
#define KESTRIN_REPORT_REPORT_GENERATOR_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine_host.h"
#include "engine/pair_run.h"
#include "engine/report_driver.h"
#include "report/context_writer.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_store.h"
#include "report/section_listing.h"

namespace kestrin {

class ReportGenerator : public ReportDriver {
 public:
  // Writes into `lines`, which the caller has emptied before the run. `lines`
  // and `host` must outlive the generator. `line_capacity` is the most lines
  // either list can take before the store counts as full. With a `sink`
  // the lines go to it as they are made instead of into `lines`.
  ReportGenerator(ReportLines& lines, EngineHost& host, DirectoryRunInfo info,
                  size_t line_capacity = kUnlimitedLines, ReportSink* sink = nullptr);

  void BeginRun() override;
  void BeginTextPair() override;
  bool ReportFull() const override;
  void ReportStep(CompareRun& run) override;
  // Appends the final message as the report's last line and keeps the run's
  // settings and totals in the report for the viewers.
  void EndRun(const std::string& final_message) override;

 private:
  void StartPairIfNew(const CompareRun& run);
  void ArmHeading(PairResult& pair);
  void ReportTextSection(CompareRun& run);
  void ListSectionBody(CompareRun& run, bool section_differs);
  // Reads the section's raw lines again where preparing rewrote them.
  void ReloadRawLines(CompareRun& run, bool old_lines_listed);
  void FinishPair(CompareRun& run);
  bool DirectorySummaryDue(const CompareRun& run) const;

  ReportLines& lines_;
  DirectoryRunInfo info_;
  ReportStore store_;
  ContextWriter context_;
  ListingCarry carry_;
  int32_t reported_pair_ = -1;  // the pair whose sections are being reported
  bool pair_differs_ = false;   // some section of the current pair differed
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_GENERATOR_H_
