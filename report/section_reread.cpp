// Re-reading a section's raw lines for the listing: where a Dp filter, Icas
// or Ccol rewrote the lines, the compare kept only each line's compare form,
// so the listing reads the lines again from the positioned input files.
#include <algorithm>
#include <memory>
#include <string>

#include "engine/section_reader.h"
#include "report/report_texts.h"
#include "report/section_listing.h"

namespace kestrin {
namespace {

// Reads the side's next raw line into `line`, reusing the room its text
// already has. A line the file no longer holds (it shrank since the section
// was read) is listed as an empty line, one blank.
void LoadRawLine(SideFile& side, InputLine& line) {
  ReadLine(side);
  if (side.AtEof) {
    line.Text.assign(kOneBlankLine);
  } else {
    line.Text.assign(side.LineBuffer, static_cast<size_t>(side.line_length));
  }
  line.RawLen = static_cast<int16_t>(line.Text.size());
  line.has_saved_text = false;
}

// Runs the Dp filter over a copy of `line` with the listing's carried comment
// state, keeping that state right for the lines that follow. Returns the copy.
InputLine Refiltered(const CompareSettings& settings, DpCarry& carry, const InputLine& line) {
  InputLine probe;
  probe.Text = line.Text;
  probe.RawLen = line.RawLen;
  probe.IsDp = line.IsDp;
  probe.IsPartDp = line.IsPartDp;
  FilterLine(settings, carry, probe, probe.RawLen);
  return probe;
}

void ReloadLines(const CompareSettings& settings, SideFile& side, Section& section, DpCarry& carry,
                 int64_t& part_dp_count) {
  for (int32_t index = 1; index <= section.count; ++index) {
    InputLine& line = section.line[index];
    LoadRawLine(side, line);
    const bool marked = line.IsDp || line.IsPartDp;
    if (marked && !settings.Xdpl) {
      if (line.SavedText == nullptr) line.SavedText = std::make_unique<std::string>();
      line.SavedText->assign(line.Text);
      line.has_saved_text = true;
    }
    if (line.IsPartDp) ++part_dp_count;
    if (!settings.DpActive) continue;
    // Every line goes through the filter so that comments spanning lines are
    // followed; only the marked lines take the cut text.
    InputLine probe = Refiltered(settings, carry, line);
    if (marked) line.Text = std::move(probe.Text);
  }
}

}  // namespace

int32_t SectionView::LongestLine() const {
  return std::max(new_side.LongestLine, old_side.LongestLine);
}

SectionView ViewOf(CompareRun& run) {
  return SectionView{run.settings,    run.pair,     run.new_section,
                     run.old_section, run.new_side, run.old_side};
}

void MarkIdenticalSection(CompareRun& run, const ListingCarry& carry) {
  const bool read_again = !KeepsRawText(run.settings);
  if (read_again) PositionBothSides(run);
  DpCarry new_carry = carry.new_side;
  Section& news = run.new_section;
  Section& olds = run.old_section;
  for (int32_t index = 1; index <= news.count; ++index) {
    InputLine& line = news.line[index];
    if (read_again) LoadRawLine(run.new_side, line);
    if (run.settings.DpActive) {
      const InputLine probe = Refiltered(run.settings, new_carry, line);
      line.IsDp = probe.IsDp;
      line.IsPartDp = probe.IsPartDp;
    }
    line.Matched = !line.IsDp && index <= olds.count;
    line.Link = static_cast<uint16_t>(index);
    if (index > olds.count) continue;
    InputLine& partner = olds.line[index];
    partner.IsDp = line.IsDp;
    partner.IsPartDp = line.IsPartDp;
    partner.Matched = line.Matched;
    partner.Link = static_cast<uint16_t>(index);
  }
}

void ReloadOldLines(CompareRun& run, DpCarry& carry) {
  ReloadLines(run.settings, run.old_side, run.old_section, carry, run.pair.old_part_dp);
}

void ReloadNewLines(CompareRun& run, DpCarry& carry) {
  ReloadLines(run.settings, run.new_side, run.new_section, carry, run.pair.new_part_dp);
}

}  // namespace kestrin
