// Line matching of one section: index the old side, then cycle over a
// shrinking window taking the longest common blocks, and (with Fmvl) pair
// the lines left over as moved lines.
#include "engine/line_matcher.h"

#include <cassert>
#include <string>

#include "engine/engine_texts.h"
#include "engine/line_matcher_state.h"

namespace kestrin {
namespace {

using matching::MatchState;

// The matching cycles' status is shown every this many cycles.
constexpr int kStatusEveryCycles = 50;

// Indexes the old side and gives every new line its first candidate: the
// lowest equal old line, or the old count + 1 with NoMatch.
void Setup(MatchState& state) {
  state.new_pos = state.NextNew(1);
  state.new_end = state.NextNew(state.NewCount() + 1);
  state.old_pos = state.NextOld(1);
  state.old_end = state.NextOld(state.OldCount() + 1);
  state.LastSection = state.options.LastSection;
  state.IndexOldSide();
  for (int32_t i = 1; i <= state.NewCount(); ++i) {
    InputLine& line = state.New(i);
    if (line.IsDp) continue;
    const int32_t j = state.FirstEqualOld(i);
    line.Link = static_cast<uint16_t>(j);
    if (j > state.OldCount()) line.NoMatch = true;
  }
  state.New(state.NewCount() + 1).Link = static_cast<uint16_t>(state.OldCount() + 1);
  state.Old(state.OldCount() + 1).Link = static_cast<uint16_t>(state.NewCount() + 1);
  state.ReleaseIndex();
  state.furthest = {state.NextNew(1), state.NextOld(1)};
  state.LargeMode = state.NewCount() > matching::kLargeModeMinLines &&
                    state.OldCount() > matching::kLargeModeMinLines;
}

// One pass of the main loop: scan the window, accept blocks, cut the section
// after the first pass when more sections follow, and advance the window.
void RunCycle(MatchState& state) {
  ScanWindow(state);
  if (state.table.empty()) {
    if (!state.LargeMode) {
      // The window holds no common line.
      state.new_pos = state.new_end;
      state.old_pos = state.old_end;
      AdvanceWindow(state);
    }
  } else {
    AcceptCandidates(state);
    if (state.first_cycle && state.LargeMode && !state.LastSection) CutSection(state);
    AdvanceWindow(state);
  }
  state.LargeMode = false;
}

void ShowCycleStatus(const MatchState& state, int cycles, EngineHost& host) {
  host.ToggleProgress();
  host.SetStatus(CompareCyclesStatus(cycles, state.options.new_section_start + state.new_pos,
                                     state.options.old_section_start + state.old_pos));
  host.ProcessEvents();
}

// Where the window stands. A cycle that neither pairs lines nor moves the
// window would repeat forever; that happens only when the arrays came in
// with working fields already set, and the lines then stay as they are.
struct Progress {
  int64_t pairs;
  int32_t new_pos, old_pos, new_end, old_end;
  bool large_mode;
  bool operator==(const Progress&) const = default;
};

Progress ProgressOf(const MatchState& state) {
  return {state.pairs_made, state.new_pos, state.old_pos,
          state.new_end,    state.old_end, state.LargeMode};
}

void MainLoop(MatchState& state, EngineHost& host) {
  int cycles = 0;
  while (state.new_pos <= state.NewCount() && state.old_pos <= state.OldCount()) {
    if (cycles % kStatusEveryCycles == 0) ShowCycleStatus(state, cycles, host);
    ++cycles;
    state.first_cycle = cycles == 1;
    const Progress before = ProgressOf(state);
    RunCycle(state);
    if (ProgressOf(state) == before) break;
  }
}

// The moved-line pass leaves old Links as hash-bucket threads; every old line
// of a matched pair gets its partner back.
void RelinkMatchedOldLines(MatchState& state) {
  for (int32_t i = 1; i <= state.NewCount(); ++i) {
    const InputLine& line = state.New(i);
    if (line.Matched && line.Link >= 1 && line.Link <= state.OldCount()) {
      state.Old(line.Link).Link = static_cast<uint16_t>(i);
    }
  }
}

}  // namespace

void MatchSection(Section& new_section, Section& old_section, const MatchOptions& options,
                  EngineHost& host) {
  assert(new_section.count >= 0 && new_section.count <= kMaxSectionLines);
  assert(old_section.count >= 0 && old_section.count <= kMaxSectionLines);
  assert(new_section.line.size() >= static_cast<size_t>(kSectionLimit + 2));
  assert(old_section.line.size() >= static_cast<size_t>(kSectionLimit + 2));
  MatchState state(new_section, old_section, options);
  Setup(state);
  if (state.NewCount() < 1 || state.OldCount() < 1) return;
  MainLoop(state, host);
  if (!options.Fmvl) return;
  MovedLinePass(state);
  RelinkMatchedOldLines(state);
}

}  // namespace kestrin
