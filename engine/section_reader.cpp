// Reading one section of a text pair into the two section arrays, and
// preparing every line's compare form.
#include "engine/section_reader.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cstring>
#include <functional>

#include "engine/engine_texts.h"
#include "engine/line_form.h"
#include "engine/run_progress.h"

namespace kestrin {

namespace {

// The status text is refreshed, and pending events run, after this many new
// lines of a section.
constexpr int32_t kStatusLineInterval = 500;

// Dcob marks a line whose seventh character is an asterisk as a comment.
constexpr int32_t kDcobCommentColumn = 7;
constexpr char kDcobCommentMark = '*';

// One side as the section read sees it.
struct SideFeed {
  SideFile& side;
  Section& section;
  int64_t& ccol_blank_count;
};

// Empties the side's section and starts recording the byte offset of every
// line start of it, so that the next section and the listing's re-read can
// seek straight there.
void BeginSection(SideFile& side, Section& section) {
  section.Reset();
  side.line_starts_base = side.SectionStart;
  side.line_starts.clear();
  if (!side.OpenFailed) side.line_starts.push_back(NextLineOffset(side));
}

bool IsDcobComment(const InputLine& line) {
  return line.RawLen >= kDcobCommentColumn && line.Text[kDcobCommentColumn - 1] == kDcobCommentMark;
}

// Records the error number of a failed read of `side`, once, on the thread
// that read, while it is still the read's.
void RecordReadError(CompareRun& run, SideFile& side) {
  if (side.ReadFailed && side.read_error == 0) side.read_error = run.fs.LastError();
}

// Reads the side's next line into the next record of its section. Returns
// false when the side has no line left.
bool StoreNextLine(CompareRun& run, SideFeed& feed) {
  const CompareSettings& settings = run.settings;
  if (feed.side.AtEof) return false;
  ReadLine(feed.side);
  if (feed.side.AtEof) {
    RecordReadError(run, feed.side);
    return false;
  }
  InputLine& line = feed.section.Append();
  line.RawLen = static_cast<int16_t>(feed.side.line_length);
  line.Text.assign(feed.side.LineBuffer, static_cast<size_t>(feed.side.line_length));
  feed.side.line_starts.push_back(NextLineOffset(feed.side));
  if (settings.Dcob && IsDcobComment(line)) {
    line.IsDp = true;
  } else if (settings.Ccol) {
    SelectColumns(feed.side, line, feed.ccol_blank_count);
  }
  return true;
}

bool HasRoom(const Section& section) { return section.count + 1 < kSectionLimit; }

// Refreshes the status line with the section's new-line count and lets
// pending events (Halt among them) run.
void ShowReadProgress(CompareRun& run, int64_t bytes_read) {
  run.host.SetStatus(ReadInputStatus(run.new_section.count));
  run.host.ToggleProgress();
  ShowPairProgress(run, bytes_read);
  run.host.ProcessEvents();
}

bool SameRawLine(const SideFile& a, const SideFile& b) {
  return a.line_length == b.line_length &&
         std::memcmp(a.LineBuffer, b.LineBuffer, static_cast<size_t>(a.line_length)) == 0;
}

// Moves columns `start` to `start` + `count` - 1 (1-based) of the line to
// index `at` of its text and returns how many were moved. The selection only
// ever moves towards the start of the text, past columns already taken, so
// the raw columns still to be read are intact. A range whose stop lies before
// its start selects nothing.
int32_t MoveColumns(InputLine& line, int32_t start, int32_t count, int32_t at) {
  count = std::max(count, 0);
  std::memmove(line.Text.data() + at, line.Text.data() + (start - 1), static_cast<size_t>(count));
  return count;
}

void PrepareLine(const CompareSettings& settings, DpCarry& carry, InputLine& line) {
  // Dcob comment lines were marked while reading and keep their raw text.
  if (line.IsDp) return;
  const int32_t length = settings.Ccol ? line.CmpLen : line.RawLen;
  if (settings.DpActive) {
    FilterLine(settings, carry, line, length);
    if (line.IsDp) return;
  }
  if (settings.Icas) FoldCase(line.Text, line.RawLen);
  PrepareCompareForm(line, length, KeepsRawText(settings));
}

void PrepareSide(const CompareSettings& settings, SideFile& side, Section& section) {
  for (int32_t index = 1; index <= section.count; ++index) {
    PrepareLine(settings, side.dp_carry, section.line[index]);
  }
}

// At the pair's end, a side that ended before its length is said on the
// status line; a read error makes the pair one with problems.
void NoteEndedShort(CompareRun& run, SideFile& side) {
  if (side.ended_short_at < 0) return;
  if (side.ReadFailed) run.pair.PairRC = 8;
  run.host.SetStatus(EndedShortStatus(side.file_name, side.ended_short_at, side.file_size));
}

// Empties both sections and reads both sides a line at a time, new then old,
// telling a failed read at once; each side stops when its section is full or
// it ends.
void ReadSidesInStep(CompareRun& run, SideFeed& new_feed, SideFeed& old_feed) {
  BeginSection(new_feed.side, new_feed.section);
  BeginSection(old_feed.side, old_feed.section);
  PairResult& pair = run.pair;
  while (!run.state.HaltRequested && !(run.new_side.AtEof && run.old_side.AtEof)) {
    if (!HasRoom(run.new_section)) break;
    const bool new_came = StoreNextLine(run, new_feed);
    if (!new_came) ShowReadFailure(run, run.new_side);
    if (new_came && run.new_section.count % kStatusLineInterval == 0) {
      ShowReadProgress(run, TextBytesRead(run));
    }
    if (!HasRoom(run.old_section)) break;
    const bool old_came = StoreNextLine(run, old_feed);
    if (!old_came) ShowReadFailure(run, run.old_side);
    if (!pair.Differs && new_came && old_came && !SameRawLine(run.new_side, run.old_side)) {
      pair.Differs = true;
    }
  }
}

// True iff a line of the shorter section differs from its partner in raw
// text. Without Ccol a stored line's text is its raw text.
bool RawLinesDiffer(const Section& new_section, const Section& old_section) {
  const int32_t count = std::min(new_section.count, old_section.count);
  for (int32_t index = 1; index <= count; ++index) {
    if (new_section.line[index].Text != old_section.line[index].Text) return true;
  }
  return false;
}

// Empties the side's section and reads its lines until the section is full,
// the side ends or `halted` is set, calling `at_interval` after every
// kStatusLineInterval-th line; with `prepare`, then prepares them.
void ReadSideAlone(CompareRun& run, SideFeed& feed, const bool& halted, bool prepare,
                   const std::function<void()>& at_interval) {
  BeginSection(feed.side, feed.section);
  while (!halted && HasRoom(feed.section) && StoreNextLine(run, feed)) {
    if (feed.section.count % kStatusLineInterval == 0) at_interval();
  }
  if (prepare) PrepareSide(run.settings, feed.side, feed.section);
}

// Reads the two sides at once, the old one on the run's second thread, each
// until its section is full or it ends; the same lines as the read in step.
// With `prepare`, each thread then prepares its side's lines. The status
// line follows the new side, as in step; the old side's progress reaches it
// through `old_bytes_read`. A Halt stops the new side at once and the old
// side with its section.
void ReadSidesApart(CompareRun& run, SideFeed& new_feed, SideFeed& old_feed, bool prepare) {
  static constexpr bool kNeverHalted = false;
  std::atomic<int64_t> old_bytes_read = NextLineOffset(run.old_side);
  run.OnBothSides(
      [&] {
        ReadSideAlone(run, new_feed, run.state.HaltRequested, prepare, [&] {
          ShowReadProgress(run, NextLineOffset(run.new_side) + old_bytes_read.load());
        });
      },
      [&] {
        ReadSideAlone(run, old_feed, kNeverHalted, prepare,
                      [&] { old_bytes_read.store(NextLineOffset(run.old_side)); });
      });
  ShowReadFailure(run, run.new_side);
  ShowReadFailure(run, run.old_side);
  if (!run.pair.Differs && RawLinesDiffer(run.new_section, run.old_section)) {
    run.pair.Differs = true;
  }
}

}  // namespace

void PositionBothSides(CompareRun& run) {
  for (SideFile* side : {&run.new_side, &run.old_side}) {
    if (side->OpenFailed) continue;
    if (!PositionSide(*side)) {
      run.host.ShowMessage(PositionErrorMessage(side->file_name));
      side->OpenFailed = true;
      side->AtEof = true;
    }
  }
}

void ShowReadFailure(CompareRun& run, SideFile& side) {
  RecordReadError(run, side);
  if (!side.ReadFailed || side.ReadFailureShown) return;
  side.ReadFailureShown = true;
  run.host.ShowMessage(ReadErrorMessage(side.read_error, side.file_name));
}

bool ReadSection(CompareRun& run) {
  PositionBothSides(run);

  PairResult& pair = run.pair;
  SideFeed new_feed{run.new_side, run.new_section, pair.new_ccol_blank_count};
  SideFeed old_feed{run.old_side, run.old_section, pair.old_ccol_blank_count};
  // A section that is prepared whatever it holds is prepared by the thread
  // that read its side, while the lines are still in that thread's cache.
  const bool prepared = run.sides_apart && SectionNeedsPreparing(run);
  if (run.sides_apart) {
    ReadSidesApart(run, new_feed, old_feed, prepared);
  } else {
    ReadSidesInStep(run, new_feed, old_feed);
  }

  run.new_side.ccol_blank_count = pair.new_ccol_blank_count;
  run.old_side.ccol_blank_count = pair.old_ccol_blank_count;
  run.new_section.WriteSentinel(run.old_section.count);
  run.old_section.WriteSentinel(run.new_section.count);
  if (run.new_section.count != run.old_section.count) pair.Differs = true;
  if (run.new_side.AtEof && run.old_side.AtEof) {
    pair.PairDone = true;
    NoteEndedShort(run, run.new_side);
    NoteEndedShort(run, run.old_side);
  }
  return prepared;
}

void SelectColumns(SideFile& side, InputLine& line, int64_t& ccol_blank_count) {
  const ColumnRanges& ranges = side.ranges;
  const int32_t raw_length = line.RawLen;
  if (raw_length < ranges.start1) {
    side.CcolWarn = true;
    line.CcolBlank = true;
    line.CmpLen = 1;
    line.Text[0] = ' ';
    ++ccol_blank_count;
    return;
  }
  assert(ranges.range1_valid && ranges.start1 >= 1);
  assert(!ranges.range2_valid || ranges.start2 >= 1);
  int32_t length = 0;
  if (ranges.stop1 == 0) {
    length = MoveColumns(line, ranges.start1, raw_length - ranges.start1 + 1, 0);
  } else {
    length =
        MoveColumns(line, ranges.start1,
                    std::min(raw_length - ranges.start1 + 1, ranges.stop1 - ranges.start1 + 1), 0);
    if (ranges.range2_valid && ranges.start2 <= raw_length) {
      const int32_t stop = ranges.stop2 == 0 ? raw_length : ranges.stop2;
      length +=
          MoveColumns(line, ranges.start2,
                      std::min(raw_length - ranges.start2 + 1, stop - ranges.start2 + 1), length);
    }
  }
  line.CmpLen = static_cast<int16_t>(length);
  side.MaxCmpLen = std::max(side.MaxCmpLen, length);
}

bool KeepsRawText(const CompareSettings& settings) {
  return !settings.DpActive && !settings.Icas && !settings.Ccol;
}

bool SectionNeedsPreparing(const CompareRun& run) {
  return run.pair.Differs || (run.settings.DpActive && !run.settings.Dcob);
}

void PrepareLines(CompareRun& run) {
  run.OnBothSides([&] { PrepareSide(run.settings, run.new_side, run.new_section); },
                  [&] { PrepareSide(run.settings, run.old_side, run.old_section); });
}

}  // namespace kestrin
