// The records of one compare run: the pair list, the run state, the per-pair
// result, the run totals and the directory entries.
#ifndef KESTRIN_ENGINE_PAIR_RUN_H_
#define KESTRIN_ENGINE_PAIR_RUN_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"
#include "engine/engine_texts.h"
#include "engine/file_system.h"
#include "engine/input_line.h"
#include "engine/path.h"
#include "engine/side_file.h"
#include "engine/side_worker.h"

namespace kestrin {

// Two parallel lists of file names (no directory part) and the two run
// directories a pair's full path is built from.
struct PairList {
  std::vector<std::string> new_names;
  std::vector<std::string> old_names;
  std::string new_directory;
  std::string old_directory;

  void Clear() {
    new_names.clear();
    old_names.clear();
  }
  void Add(std::string new_name, std::string old_name) {
    new_names.push_back(std::move(new_name));
    old_names.push_back(std::move(old_name));
  }
  // The paths pair `k` opens.
  std::string NewPath(size_t k) const { return JoinPath(new_directory, new_names[k]); }
  std::string OldPath(size_t k) const { return JoinPath(old_directory, old_names[k]); }
};

// Flags and counters of one pair, all zero when the pair is opened.
struct PairResult {
  bool CcolError = false;
  bool MovedSubOptimal = false;
  bool IsBinary = false;
  bool PairDone = false;
  bool Differs = false;
  bool EqualByAeqf = false;
  int32_t PairRC = 0;  // 0 normal; 1 Ccol error or binary files differ; 8 open, seek or read error
  // An open or seek failure: which step failed, on which file, and the
  // system's error number. The pair is reported as not compared.
  bool OpenFailed = false;
  OpenStep failed_step = OpenStep::kOpenNew;
  std::string failed_path;
  int failed_error = 0;
  int64_t new_ccol_blank_count = 0;
  int64_t old_ccol_blank_count = 0;
  int64_t new_binary_size = 0;
  int64_t old_binary_size = 0;

  // Filled by the listing, summed over the pair's sections. Counts of lines
  // are 64-bit throughout, as a file may hold more than 2^31 lines.
  int64_t new_lines_processed = 0, old_lines_processed = 0;
  int64_t matches = 0, reformats = 0, insertions = 0, deletions = 0;
  int64_t paired_changes = 0;
  int64_t new_dp = 0, new_part_dp = 0, old_dp = 0, old_part_dp = 0;
  int64_t moved_lines = 0;
  // Working state of the Chng listing.
  int64_t context_count = 0, not_shown_count = 0;
  bool after_change = false, skipping = false;
};

// One entry per opened pair, in pair order, for the directory summary.
struct DirItem {
  bool is_text = false;
  bool is_binary = false;
  bool equal_by_aeqf = false;
  bool had_changes = false;
  bool not_compared = false;  // the pair could not be opened
  int64_t new_lines_processed = 0, old_lines_processed = 0;
  int64_t matches = 0, reformats = 0, insertions = 0, deletions = 0;
  int64_t new_dp = 0, old_dp = 0;
  int64_t total_changes = 0, paired_changes = 0;
  int64_t new_bin_size = 0, old_bin_size = 0;
  int64_t moved_lines = 0;
};

// Run-wide totals, zero at the start of a run.
struct DirTotals {
  int32_t binary_pairs = 0;
  int32_t aeqf_equal_pairs = 0;
  int64_t new_lines_processed = 0, old_lines_processed = 0;
  int64_t matches = 0, reformats = 0, insertions = 0, deletions = 0;
  int64_t new_dp = 0, new_part_dp = 0, old_dp = 0, old_part_dp = 0;
  int64_t total_changes = 0, paired_changes = 0, moved_lines = 0;
  int32_t txfo_skipped = 0;
  int64_t new_bin_bytes = 0, old_bin_bytes = 0;
  int32_t changed_pairs = 0;
  int32_t highest_pair_rc = 0;
  int64_t pending_matched = 0;  // Delta: matched lines not yet in a block line
  // The run's longest raw lines, new and old, for the viewers' ruler.
  int32_t longest_new_line = 0, longest_old_line = 0;
};

struct RunState {
  explicit RunState(bool& halt_requested) : HaltRequested(halt_requested) {}

  bool& HaltRequested;  // owned by the main window; set by Halt
  bool RunFault = false;
  int32_t pair_count = 0;
  int32_t CurrentPair = 0;
  std::string final_message;
  std::vector<DirItem> directory_entries;
};

// Everything one run of RunPairs works on. Made when the run starts; the
// report driver reads and writes it.
struct CompareRun {
  CompareRun(const PairList& pair_list, bool& halt_requested, EngineHost& engine_host,
             FileSystem& file_system)
      : pairs(pair_list), host(engine_host), fs(file_system), state(halt_requested) {}

  const PairList& pairs;
  EngineHost& host;
  FileSystem& fs;
  RunState state;
  CompareSettings settings;
  PairResult pair;
  // Each side's records start a cache line of their own, as the two threads
  // of a large pair write them at once.
  alignas(kCacheLineBytes) SideFile new_side;
  alignas(kCacheLineBytes) SideFile old_side;
  alignas(kCacheLineBytes) Section new_section;
  alignas(kCacheLineBytes) Section old_section;
  alignas(kCacheLineBytes) DirTotals totals;
  // The run's second thread, made for its first pair large enough to share
  // out; only where the file system may be read from two threads at once.
  std::unique_ptr<SideWorker> side_worker;
  bool side_worker_allowed = false;
  bool sides_apart = false;  // this pair's two sides are worked on at once

  // Runs the new side's work and the old side's: at once when the pair's
  // sides are worked apart, else one after the other.
  void OnBothSides(const std::function<void()>& new_work, const std::function<void()>& old_work) {
    if (sides_apart) {
      side_worker->RunBoth(new_work, old_work);
    } else {
      new_work();
      old_work();
    }
  }
  bool LastPair() const { return state.CurrentPair == state.pair_count - 1; }
  DirItem& CurrentEntry() { return state.directory_entries.back(); }
};

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_PAIR_RUN_H_
