// The report generator: the report step the engine calls after each section
// and pair, and the run's last line.
#include "report/report_generator.h"

#include <algorithm>
#include <utility>

#include "engine/section_reader.h"
#include "report/directory_summary.h"
#include "report/equal_pair_listing.h"
#include "report/pair_faults.h"
#include "report/pair_summary.h"

namespace kestrin {
namespace {

PairHeading HeadingOf(const CompareRun& run) {
  return PairHeading{run.new_side.file_name, run.new_side.file_age, run.old_side.file_name,
                     run.old_side.file_age,
                     std::max(run.new_side.LongestLine, run.old_side.LongestLine)};
}

}  // namespace

ReportGenerator::ReportGenerator(ReportLines& lines, EngineHost& host, DirectoryRunInfo info,
                                 size_t line_capacity, ReportSink* sink)
    : lines_(lines),
      info_(std::move(info)),
      store_(lines, host, line_capacity, sink),
      context_(store_) {}

void ReportGenerator::BeginRun() {
  lines_.OutputLineCount = 0;
  reported_pair_ = -1;
}

void ReportGenerator::BeginTextPair() {
  lines_.HeaderArmed = false;
  lines_.HeaderPending = false;
  lines_.ReportFull = false;
}

bool ReportGenerator::ReportFull() const { return lines_.ReportFull; }

void ReportGenerator::ReportStep(CompareRun& run) {
  // The store cleans and routes lines by the run's settings, and the viewers
  // read them from the report afterwards.
  lines_.settings = run.settings;
  StartPairIfNew(run);
  store_.SetPair(run.state.CurrentPair, run.state.pair_count, HeadingOf(run));
  context_.SetPair(run.pair);
  lines_.SummaryStarted = false;

  PairResult& pair = run.pair;
  pair_differs_ = pair_differs_ || pair.Differs;
  const bool text = !pair.IsBinary;
  if (text && !run.settings.Ovsum && pair.Differs) ArmHeading(pair);
  if (pair.OpenFailed) {
    // Nothing was read: the fault line written with the pair's end is all.
  } else if (pair.EqualByAeqf) {
    if (text) ListEqualPair(run, store_);
  } else if (text) {
    ReportTextSection(run);
  }
  if (pair.PairDone) FinishPair(run);
  lines_.totals = run.totals;
}

void ReportGenerator::EndRun(const std::string& final_message) {
  store_.AppendFinalLine(final_message);
}

void ReportGenerator::StartPairIfNew(const CompareRun& run) {
  if (run.state.CurrentPair == reported_pair_) return;
  reported_pair_ = run.state.CurrentPair;
  pair_differs_ = false;
  context_.StartPair();
  carry_ = ListingCarry();
  // A full store refuses lines for one pair only, whatever kind the next is.
  BeginTextPair();
}

void ReportGenerator::ArmHeading(PairResult& pair) {
  // Lines before the first change may be skipped by the Chng context buffer.
  if (store_.ArmHeading()) pair.skipping = true;
}

void ReportGenerator::ReportTextSection(CompareRun& run) {
  const CompareSettings& settings = run.settings;
  PairResult& pair = run.pair;
  const int32_t new_count = run.new_section.count;
  const bool section_differs = pair.Differs;
  if (!section_differs) {
    if (!settings.Long && !settings.DpActive) {
      // An identical section is counted, not listed. Its lines still belong
      // to the Chng listing's next Not Shown count and to the next Delta
      // block's matched count.
      pair.matches += new_count;
      if (settings.Chng) pair.not_shown_count += new_count;
      if (settings.Delta && !pair.PairDone) run.totals.pending_matched += new_count;
    } else {
      MarkIdenticalSection(run, carry_);
      if (!settings.Chng && !settings.Ovsum) ArmHeading(pair);
    }
  }
  pair.new_lines_processed += new_count;
  pair.old_lines_processed += run.old_section.count;
  if (section_differs || settings.Long || settings.DpActive) ListSectionBody(run, section_differs);
  if (pair.PairDone && settings.Chng && pair.reformats + pair.insertions + pair.deletions != 0) {
    context_.FinishPair();
  }
}

void ReportGenerator::ReloadRawLines(CompareRun& run, bool old_lines_listed) {
  PositionBothSides(run);
  run.OnBothSides([&] { ReloadNewLines(run, carry_.new_side); },
                  [&] {
                    if (old_lines_listed) ReloadOldLines(run, carry_.old_side);
                  });
}

void ReportGenerator::ListSectionBody(CompareRun& run, bool section_differs) {
  const CompareSettings& settings = run.settings;
  SectionView view = ViewOf(run);
  const bool old_lines_listed = section_differs || settings.DpActive || settings.Ccol;
  if (!KeepsRawText(settings)) ReloadRawLines(run, old_lines_listed);
  if (old_lines_listed) CountDeletions(view);
  CountInsertionsAndMatches(view);
  MarkReformatRuns(view);
  if (settings.Chng) {
    WriteChangeListing(view, context_);
  } else if (settings.Long) {
    StoreSink direct(store_);
    WriteChangeListing(view, direct);
  } else {
    if (run.state.HaltRequested) return;
    WriteDeltaListing(view, run.pair.PairDone, store_, run.totals.pending_matched);
  }
  store_.Equalize();
}

void ReportGenerator::FinishPair(CompareRun& run) {
  FoldPair(run, pair_differs_);
  WritePairFaults(run, store_);
  const bool text = !run.pair.IsBinary;
  const bool compared = !run.pair.OpenFailed;
  if (compared && ((pair_differs_ && text) || run.state.pair_count == 1)) {
    WritePairSummary(run, info_, lines_, store_);
  }
  if (run.LastPair() && DirectorySummaryDue(run)) {
    WriteDirectorySummary(run, info_, lines_, store_);
  }
}

bool ReportGenerator::DirectorySummaryDue(const CompareRun& run) const {
  const DirTotals& totals = run.totals;
  const bool processed = totals.new_lines_processed + totals.old_lines_processed > 0 ||
                         totals.new_bin_bytes + totals.old_bin_bytes > 0;
  return run.state.pair_count != 1 || info_.DirectoryCompare() || !processed;
}

}  // namespace kestrin
