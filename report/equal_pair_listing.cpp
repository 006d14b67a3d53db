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

}  // namespace

void ListEqualPair(CompareRun& run, ReportStore& store) {
  const CompareSettings& settings = run.settings;
  PairResult& pair = run.pair;
  SideFile& side = run.new_side;
  if (settings.Long) {
    store.WriteHeading();
    store.AddLine(kOneBlankLine);
  }
  side.SectionStart = 0;
  if (!PositionSide(side)) {
    run.host.ShowMessage(PositionErrorMessage(side.file_name));
    return;
  }
  const ListingFormatter format(settings.Fscl);
  DpCarry carry;
  ListingPlace first_match;
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
    const ListingPlace place = store.WriteListingLine(format.Matched(text, ref, ref, 0));
    if (!verdict.dp && pair.matches == 1) first_match = place;
  }
  // The run length belongs to the reference columns, which Fscl leaves out.
  if (settings.Long && !settings.Fscl && pair.matches > 0) {
    store.AppendToLine(first_match, ListingFormatter::RunLength(pair.matches));
  }
  pair.old_lines_processed = pair.new_lines_processed;
  pair.old_dp = pair.new_dp;
  pair.old_part_dp = pair.new_part_dp;
}

}  // namespace kestrin
