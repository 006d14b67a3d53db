// The pair loop of a run: each pair opened, compared as text, as binary or
// not at all, reported and closed; then the run's final message.
#include "engine/pair_driver.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <vector>

#include "engine/binary_compare.h"
#include "engine/engine_texts.h"
#include "engine/line_matcher.h"
#include "engine/pair_opening.h"
#include "engine/run_progress.h"
#include "engine/path.h"
#include "engine/read_ahead_file_system.h"
#include "engine/section_reader.h"

namespace kestrin {

namespace {

// Shows a step's status text, toggles the progress indicator and lets
// pending events (Halt among them) run.
void Announce(EngineHost& host, const std::string& status) {
  host.SetStatus(status);
  host.ToggleProgress();
  host.ProcessEvents();
}

void FoldLongestLines(CompareRun& run) {
  run.totals.longest_new_line = std::max(run.totals.longest_new_line, run.new_side.LongestLine);
  run.totals.longest_old_line = std::max(run.totals.longest_old_line, run.old_side.LongestLine);
}

// Prepares, unless the read did, and matches a section that differs or that
// a Dp filter must see.
void PrepareAndMatch(CompareRun& run, bool prepared, const std::string& new_name,
                     const std::string& old_name) {
  Announce(run.host, ProcessingDataStatus(new_name, old_name));
  if (!prepared) PrepareLines(run);
  const int64_t start = run.new_side.SectionStart;
  Announce(run.host,
           FindingMatchesStatus(run.state.CurrentPair, start + 1, start + run.new_section.count));
  MatchOptions options;
  options.dp_active = run.settings.DpActive;
  options.Fmvl = run.settings.Fmvl;
  options.LastSection = run.pair.PairDone;
  options.new_section_start = run.new_side.SectionStart;
  options.old_section_start = run.old_side.SectionStart;
  MatchSection(run.new_section, run.old_section, options, run.host);
}

// A text pair of at least this many bytes, both sides together, has its two
// sides read, prepared and reloaded at once, on two threads.
constexpr int64_t kSidesApartBytes = 64 * 1024;

// Ccol keeps a pair on one thread: its read tests each raw line before the
// column selection rewrites it.
void ChooseSideThreads(CompareRun& run) {
  const int64_t bytes = run.new_side.file_size + run.old_side.file_size;
  run.sides_apart = run.side_worker_allowed && !run.settings.Ccol && bytes >= kSidesApartBytes;
  if (!run.sides_apart || run.side_worker != nullptr) return;
  try {
    run.side_worker = std::make_unique<SideWorker>();
  } catch (const std::system_error&) {
    // No thread to be had: the run works one side after the other.
    run.side_worker_allowed = false;
    run.sides_apart = false;
  }
}

// Compares a text pair section by section until both files end, the run is
// halted or the report store is full.
void CompareTextPair(CompareRun& run, ReportDriver& report) {
  PairResult& pair = run.pair;
  const CompareSettings& settings = run.settings;
  const std::string new_name = NamePart(run.new_side.file_name);
  const std::string old_name = NamePart(run.old_side.file_name);
  pair.PairDone = false;
  ChooseSideThreads(run);
  report.BeginTextPair();
  run.host.ShowFirstProgress();
  while (!pair.PairDone && !run.state.HaltRequested && !report.ReportFull()) {
    run.new_side.SectionStart = run.new_side.next_section_start;
    run.old_side.SectionStart = run.old_side.next_section_start;
    Announce(run.host, ReadingDataStatus(run.state.CurrentPair, run.new_side.SectionStart + 1));
    const bool prepared = ReadSection(run);
    FoldLongestLines(run);
    if (run.state.HaltRequested) break;
    if (SectionNeedsPreparing(run)) PrepareAndMatch(run, prepared, new_name, old_name);
    run.host.SetStatus(GeneratingReportStatus(new_name, old_name));
    run.host.ProcessEvents();
    run.host.ToggleProgress();
    report.ReportStep(run);
    if (pair.PairDone) {
      run.host.HideProgress();
    } else if (settings.Fmvl) {
      pair.MovedSubOptimal = true;
    }
    // The matcher may have cut the section short: the lines after the cut
    // are read again as the start of the next section.
    run.new_side.next_section_start += run.new_section.count;
    run.old_side.next_section_start += run.old_section.count;
  }
  run.sides_apart = false;
}

void CompareBinaryPair(CompareRun& run, ReportDriver& report) {
  if (run.settings.Txfo) {
    ++run.totals.txfo_skipped;
    // The last pair is still reported, so that the run's summary is written.
    if (run.LastPair()) report.ReportStep(run);
    return;
  }
  run.host.ShowFirstProgress();
  CompareBinary(run);
  if (!run.state.HaltRequested) report.ReportStep(run);
}

// Compares the opened pair the way its classification asks. A pair that
// could not be opened is only reported, so that the failure is named and
// counted.
void ComparePair(CompareRun& run, ReportDriver& report) {
  if (run.pair.OpenFailed) {
    report.ReportStep(run);
  } else if (run.pair.IsBinary) {
    CompareBinaryPair(run, report);
  } else if (run.pair.EqualByAeqf) {
    run.pair.PairDone = true;
    report.ReportStep(run);
  } else {
    CompareTextPair(run, report);
  }
}

// A pair that could not be opened stops the run only when the user said so.
bool StopsRun(const CompareRun& run) {
  return run.state.RunFault || run.pair.CcolError || run.state.HaltRequested;
}

// The first rule that applies. `run` is null when an unexpected failure
// ended the run.
std::string FinalMessage(const CompareRun* run, bool halt_requested) {
  if (run == nullptr || run->state.RunFault) return kFaultMessage;
  if (halt_requested) return kUserStopMessage;
  if (run->pair.CcolError) return kCcolErrorMessage;
  const DirTotals& totals = run->totals;
  if (totals.highest_pair_rc > 1) return kProblemsMessage;
  const int64_t changes =
      static_cast<int64_t>(totals.reformats) + totals.insertions + totals.deletions;
  if (changes > 0 || totals.highest_pair_rc == 1) return kDifferencesMessage;
  const int64_t processed = static_cast<int64_t>(totals.new_lines_processed) +
                            totals.old_lines_processed + totals.new_bin_bytes +
                            totals.old_bin_bytes;
  if (processed == 0) return kNothingComparedMessage;
  const CompareSettings& settings = run->settings;
  if (settings.DpActive || settings.Icas || settings.Rovr || settings.Ccol) {
    return kFilteredEquivalentMessage;
  }
  return kEquivalentMessage;
}

// A file system that reads the coming files ahead, for a run of several
// pairs on a file system that allows it; null for any other run.
std::unique_ptr<ReadAheadFileSystem> ReadAheadFor(const RunRequest& request, int32_t pair_count) {
  if (pair_count < 2 || !request.fs.ThreadSafe()) return nullptr;
  std::vector<std::string> paths;
  paths.reserve(2 * static_cast<size_t>(pair_count));
  for (int32_t k = 0; k < pair_count; ++k) {
    paths.push_back(request.pairs.NewPath(static_cast<size_t>(k)));
    paths.push_back(request.pairs.OldPath(static_cast<size_t>(k)));
  }
  try {
    return std::make_unique<ReadAheadFileSystem>(request.fs, std::move(paths));
  } catch (const std::system_error&) {
    return nullptr;  // no thread to be had: the run reads its files itself
  }
}

}  // namespace

std::string RunPairs(const RunRequest& request) {
  std::unique_ptr<ReadAheadFileSystem> read_ahead;
  std::unique_ptr<CompareRun> run;
  try {
    request.report.BeginRun();
    // The two name lists are filled together; a shorter old list would leave
    // pairs without an old file.
    const auto pair_count = static_cast<int32_t>(
        std::min(request.pairs.new_names.size(), request.pairs.old_names.size()));
    read_ahead = ReadAheadFor(request, pair_count);
    FileSystem& fs = read_ahead != nullptr ? *read_ahead : request.fs;
    run = std::make_unique<CompareRun>(request.pairs, request.halt_requested, request.host, fs);
    run->state.pair_count = pair_count;
    run->side_worker_allowed = request.fs.ThreadSafe();
    for (int32_t k = 0; k < run->state.pair_count; ++k) {
      run->state.CurrentPair = k;
      OpenPair(*run, request.controls);
      const bool stop = StopsRun(*run);
      if (!stop) {
        ShowPairProgress(*run, 0);
        ComparePair(*run, request.report);
        if (!run->state.HaltRequested) ShowPairDone(*run);
      }
      ClosePair(*run);
      if (stop) break;
    }
  } catch (...) {
    // Anything unexpected (running out of memory, say) ends the run with the
    // fault message; what was reported so far stays in the report.
    run.reset();
  }
  std::string message = FinalMessage(run.get(), request.halt_requested);
  try {
    request.report.EndRun(message);
  } catch (...) {
    message = kFaultMessage;
  }
  return message;
}

}  // namespace kestrin
