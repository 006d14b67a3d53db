// The listing of a pair judged equal by Aeqf.
#include "report/equal_pair_listing.h"

#include <string>

#include "engine/dp_filter.h"
#include "engine/engine_texts.h"
#include "engine/section_reader.h"
#include "engine/side_file.h"
#include "report/listing_formats.h"
#include "report/report_texts.h"

namespace kestrin {
namespace {

// Dcob decides a comment line while reading: a "*" in column 7.
constexpr size_t kDcobCommentColumn = 6;
constexpr char kDcobCommentMark = '*';

struct LineVerdict {
  bool dp = false;
  bool part_dp = false;
  std::string cut_text;  // the line with its comment part cut off
};

LineVerdict Judge(const CompareSettings& settings, DpCarry& carry, const std::string& raw) {
  LineVerdict verdict;
  verdict.cut_text = raw;
  if (!settings.DpActive) return verdict;
  InputLine probe;
  probe.Text = raw;
  probe.RawLen = static_cast<int16_t>(raw.size());
  probe.IsDp = settings.Dcob && raw.size() > kDcobCommentColumn &&
               raw[kDcobCommentColumn] == kDcobCommentMark;
  if (!probe.IsDp) FilterLine(settings, carry, probe, probe.RawLen);
  verdict.dp = probe.IsDp;
  verdict.part_dp = probe.IsPartDp;
  verdict.cut_text = std::move(probe.Text);
  return verdict;
}

// Counts the new side's lines that are not Dp lines, reading it from its
// first line. Returns false when the side cannot be positioned.
bool CountMatches(CompareRun& run, int64_t& matches) {
  SideFile& side = run.new_side;
  side.SectionStart = 0;
  if (!PositionSide(side)) return false;
  DpCarry carry;
  matches = 0;
  while (!run.state.HaltRequested) {
    ReadLine(side);
    if (side.AtEof) break;
    const std::string raw(side.LineBuffer, static_cast<size_t>(side.line_length));
    if (!Judge(run.settings, carry, raw).dp) ++matches;
  }
  return true;
}

}  // namespace

void ListEqualPair(CompareRun& run, ReportStore& store) {
  const CompareSettings& settings = run.settings;
  PairResult& pair = run.pair;
  SideFile& side = run.new_side;
  // The first matched line carries the run length of all of them, which
  // Fscl leaves out with the reference columns; counting first lets every
  // line be final when it is written.
  int64_t run_length = 0;
  const bool shows_run_length = settings.Long && !settings.Fscl;
  if (settings.Long) {
    store.WriteHeading();
    store.AddLine(kOneBlankLine);
  }
  side.SectionStart = 0;
  if ((shows_run_length && !CountMatches(run, run_length)) || !PositionSide(side)) {
    run.host.ShowMessage(PositionErrorMessage(side.file_name));
    return;
  }
  const ListingFormatter format(settings.Fscl);
  DpCarry carry;
  while (!run.state.HaltRequested) {
    ReadLine(side);
    if (side.AtEof) {
      ShowReadFailure(run, side);
      break;
    }
    const std::string raw(side.LineBuffer, static_cast<size_t>(side.line_length));
    ++pair.new_lines_processed;
    const LineVerdict verdict = Judge(settings, carry, raw);
    if (verdict.dp) {
      ++pair.new_dp;
    } else {
      if (verdict.part_dp) ++pair.new_part_dp;
      ++pair.matches;
    }
    if (!settings.Long || (verdict.dp && settings.Xdpl)) continue;
    const std::string& text = verdict.part_dp && settings.Xdpl ? verdict.cut_text : raw;
    const int64_t ref = pair.new_lines_processed;
    const bool first_match = !verdict.dp && pair.matches == 1;
    store.WriteListingLine(format.Matched(text, ref, ref, first_match ? run_length : 0));
  }
  pair.old_lines_processed = pair.new_lines_processed;
  pair.old_dp = pair.new_dp;
  pair.old_part_dp = pair.new_part_dp;
}

}  // namespace kestrin
