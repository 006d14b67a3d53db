// Opening a pair: snapshot, files, lengths, dates, and classification.
#include "engine/pair_opening.h"

#include "engine/byte_words.h"
#include "engine/engine_texts.h"
#include "engine/side_file.h"

namespace kestrin {

namespace {

// Takes the run's snapshot. Returns false when the run must stop before any
// pair is compared.
bool TakeRunSnapshot(CompareRun& run, ControlValues& controls) {
  switch (TakeSnapshot(controls, run.settings)) {
    case SnapshotVerdict::kValid:
      return true;
    case SnapshotVerdict::kInvalidCcol:
      run.pair.CcolError = true;
      run.pair.PairRC = 1;
      return false;
    case SnapshotVerdict::kFault:
      run.state.RunFault = true;
      return false;
  }
  return false;
}

void ResetSide(SideFile& side, const CompareSettings& settings, const ColumnRanges& ranges,
               bool is_new_side, const std::string& path) {
  side.Clear();
  side.ranges = settings.Ccol ? ranges : ColumnRanges();
  side.Ieof = settings.Ieof;
  side.is_new_side = is_new_side;
  side.file_name = path;
}

// An open or seek failure: the pair is not compared, and the user decides
// whether the run stops at once.
void FailOpen(CompareRun& run, OpenStep step, int error, const std::string& path) {
  PairResult& pair = run.pair;
  pair.PairRC = 8;
  pair.OpenFailed = true;
  pair.failed_step = step;
  pair.failed_path = path;
  pair.failed_error = error;
  if (run.host.AskYesNo(OpenErrorQuestion(step, error, path))) run.state.HaltRequested = true;
}

bool OpenSide(CompareRun& run, SideFile& side, OpenStep step) {
  int error = 0;
  side.handle = run.fs.OpenRead(side.file_name, &error);
  if (side.handle != nullptr) return true;
  FailOpen(run, step, error, side.file_name);
  return false;
}

// Finds the side's length, returns to byte 0 and takes the file time.
bool MeasureSide(CompareRun& run, SideFile& side) {
  if (side.handle->SeekToEnd(&side.file_size) && side.handle->Seek(0)) {
    side.file_age = side.handle->ModifiedTime();
    return true;
  }
  FailOpen(run, OpenStep::kSeek, run.fs.LastError(), side.file_name);
  return false;
}

bool IsControlCharacter(unsigned char c) {
  return c < 32 && c != '\t' && c != kLineFeed && c != kCarriageReturn;
}

bool NewFileLooksBinary(SideFile& side) {
  const std::string_view start = ReadFirstBytes(side, kBinaryTestSize);
  return !start.empty() && StartLooksBinary(start);
}

}  // namespace

void OpenPair(CompareRun& run, ControlValues& controls) {
  const auto k = static_cast<size_t>(run.state.CurrentPair);
  if (k == 0) {
    if (!TakeRunSnapshot(run, controls)) return;
  } else {
    run.pair = PairResult();
  }
  const CompareSettings& settings = run.settings;
  ResetSide(run.new_side, settings, settings.new_ranges, true,
            run.pairs.NewPath(k));
  ResetSide(run.old_side, settings, settings.old_ranges, false,
            run.pairs.OldPath(k));
  run.state.directory_entries.emplace_back();
  run.pair.PairDone = true;

  if (!OpenSide(run, run.new_side, OpenStep::kOpenNew)) return;
  if (!OpenSide(run, run.old_side, OpenStep::kOpenOld)) return;
  if (!MeasureSide(run, run.new_side) || !MeasureSide(run, run.old_side)) return;

  DirItem& entry = run.CurrentEntry();
  if (settings.Aeqf && run.new_side.file_age == run.old_side.file_age &&
      run.new_side.file_size == run.old_side.file_size) {
    run.pair.EqualByAeqf = true;
    entry.equal_by_aeqf = true;
    ++run.totals.aeqf_equal_pairs;
  }
  if (!settings.Txal && NewFileLooksBinary(run.new_side)) {
    run.pair.IsBinary = true;
    entry.is_binary = true;
  }
  entry.is_text = !run.pair.IsBinary;
  // A text pair's reader goes on from the block the test read; the binary
  // compare reads the file from its start.
  if (run.pair.IsBinary && !run.new_side.handle->Seek(0)) {
    FailOpen(run, OpenStep::kSeek, run.fs.LastError(), run.new_side.file_name);
  }
}

void ClosePair(CompareRun& run) {
  run.new_side.handle.reset();
  run.old_side.handle.reset();
  // The section arrays keep their line texts for the next pair, so that a
  // run of many small pairs allocates them once; they go with the run.
}

bool StartLooksBinary(std::string_view start) {
  int control_characters = 0;
  for (size_t i = 0; i < start.size(); ++i) {
    i += SkipToControlByte(start.data() + i, start.size() - i);
    if (i == start.size()) break;
    if (start[i] == kCarriageReturn && i + 1 < start.size() && start[i + 1] == kLineFeed) {
      return false;
    }
    if (IsControlCharacter(static_cast<unsigned char>(start[i])) &&
        ++control_characters == kBinaryControlLimit) {
      return true;
    }
  }
  return false;
}

}  // namespace kestrin
