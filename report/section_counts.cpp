// Counting a section's lines into runs: deletions, insertions, exact matches
// and reformats.
#include <algorithm>
#include <string>
#include <string_view>

#include "engine/line_form.h"
#include "engine/section_reader.h"
#include "report/section_listing.h"

namespace kestrin {
namespace {

// A line's own text up to its raw length.
std::string_view RawText(const InputLine& line) { return LeadingText(line.Text, line.RawLen); }

// The text of `line` that the exactness test compares under Icas or Ccol,
// made in `copy`: case-folded with Icas, column-selected with Ccol.
std::string_view RemadeText(const CompareSettings& settings, SideFile& side, const InputLine& line,
                            InputLine& copy) {
  int32_t length = static_cast<int32_t>(RawText(line).size());
  copy.Text = line.Text;
  copy.RawLen = line.RawLen;
  if (settings.Icas) FoldCase(copy.Text, length);
  if (settings.Ccol) {
    int64_t unused_blank_count = 0;
    SelectColumns(side, copy, unused_blank_count);
    length = copy.CmpLen;
  }
  return LeadingText(copy.Text, length);
}

// Equal over the shorter of the two texts, so that trailing blanks alone do
// not count.
bool SameOverShorter(std::string_view a, std::string_view b) {
  const size_t shorter = std::min(a.size(), b.size());
  return a.substr(0, shorter) == b.substr(0, shorter);
}

// True iff a matched pair is exact rather than a reformat. Without Icas and
// Ccol the lines' own texts are compared, with no copy made.
bool ExactPair(SectionView& view, const InputLine& new_line, const InputLine& old_line) {
  const CompareSettings& settings = view.settings;
  if (settings.Rovr) return true;
  if (settings.Ccol && (new_line.CcolBlank || old_line.CcolBlank)) return true;
  if (!settings.Icas && !settings.Ccol) {
    return SameOverShorter(RawText(new_line), RawText(old_line));
  }
  InputLine new_copy;
  InputLine old_copy;
  return SameOverShorter(RemadeText(settings, view.new_side, new_line, new_copy),
                         RemadeText(settings, view.old_side, old_line, old_copy));
}

}  // namespace

int32_t NextListed(const Section& section, int32_t index) {
  while (index <= section.count && section.line[index].IsDp) ++index;
  return std::min(index, section.count + 1);
}

void CountDeletions(SectionView& view) {
  Section& old_lines = view.old_lines;
  PairResult& pair = view.pair;
  int32_t run_start = 0;
  for (int32_t j = 1; j <= old_lines.count; ++j) {
    InputLine& line = old_lines.line[j];
    if (line.Matched) {
      run_start = 0;
    } else if (line.IsDp) {
      ++pair.old_dp;
    } else {
      if (run_start == 0) {
        run_start = j;
        line.RunCount = 0;
      }
      if (line.Moved) ++pair.moved_lines;
      ++old_lines.line[run_start].RunCount;
      ++pair.deletions;
    }
  }
}

void CountInsertionsAndMatches(SectionView& view) {
  Section& new_lines = view.new_lines;
  Section& old_lines = view.old_lines;
  PairResult& pair = view.pair;
  int32_t insert_start = 0;
  int32_t matched_start = 0;
  int32_t last_exact_old = 0;
  for (int32_t i = 1; i <= new_lines.count; ++i) {
    InputLine& line = new_lines.line[i];
    if (!line.Matched && line.IsDp) {
      ++pair.new_dp;
    } else if (!line.Matched) {
      matched_start = 0;
      if (insert_start == 0) {
        insert_start = i;
        line.RunCount = 0;
      }
      ++new_lines.line[insert_start].RunCount;
      ++pair.insertions;
    } else {
      insert_start = 0;
      const int32_t j = line.Link;
      InputLine& partner = old_lines.line[j];
      if (!ExactPair(view, line, partner)) {
        line.IsReformat = true;
        partner.IsReformat = true;
        matched_start = 0;
        ++pair.reformats;
        line.RunCount = 1;
      } else {
        const bool continues = matched_start != 0 && j == NextListed(old_lines, last_exact_old + 1);
        if (!continues) {
          matched_start = i;
          line.RunCount = 0;
        }
        ++new_lines.line[matched_start].RunCount;
        ++pair.matches;
        last_exact_old = j;
      }
    }
  }
}

void MarkReformatRuns(SectionView& view) {
  Section& new_lines = view.new_lines;
  const Section& old_lines = view.old_lines;
  int32_t run_start = 0;
  int32_t previous_old = 0;
  for (int32_t i = NextListed(new_lines, 1); i <= new_lines.count;
       i = NextListed(new_lines, i + 1)) {
    InputLine& line = new_lines.line[i];
    if (!line.IsReformat) {
      run_start = 0;
      continue;
    }
    // A run goes on only while the reformats follow each other on the old
    // side too: an old line between two partners (a deleted line) ends it, so
    // that the listing reaches that line in its place.
    const bool continues = run_start != 0 && line.Link == NextListed(old_lines, previous_old + 1);
    if (continues) {
      ++new_lines.line[run_start].RunCount;
    } else {
      run_start = i;
      line.RunCount = 1;
    }
    previous_old = line.Link;
  }
}

}  // namespace kestrin
