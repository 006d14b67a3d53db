#include "engine/compare_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using testkit::ForEachCase;
using testkit::TableCase;

std::string RangesText(const ColumnRanges& ranges) {
  std::string text = std::to_string(ranges.start1) + "-" + std::to_string(ranges.stop1);
  if (ranges.range2_valid) {
    text += " " + std::to_string(ranges.start2) + "-" + std::to_string(ranges.stop2);
  }
  return text;
}

TEST(CompareSettingsTest, CcolVerdicts) {
  ForEachCase("tests/engine/cases/ccol_ranges.txt", [&](const TableCase& c) {
    const std::optional<CcolRanges> ranges = ParseCcolRanges(c[0], c[1], c[2], c[3]);
    EXPECT_EQ(ranges
                  ? "new=" + RangesText(ranges->new_side) + " old=" + RangesText(ranges->old_side)
                  : "invalid",
              c[4]);
  });
}

// The preferences named by `keywords` ("Icas Xtab"), or every one for "all".
std::array<bool, kPreferenceCount> PreferencesNamed(const std::string& keywords) {
  std::array<bool, kPreferenceCount> preferences{};
  for (int k = 0; k < kPreferenceCount; ++k) {
    const std::string keyword(PreferenceKeyword(static_cast<Preference>(k)));
    preferences[k] =
        keywords == "all" || (" " + keywords + " ").find(" " + keyword + " ") != std::string::npos;
  }
  return preferences;
}

TEST(CompareSettingsTest, OptionsTextListsDpThenPreferencesInPageOrder) {
  ForEachCase("tests/engine/cases/options_written.txt", [&](const TableCase& c) {
    EXPECT_EQ(OptionsText(static_cast<int>(c.Number(0)), PreferencesNamed(c[1])), c[2]);
  });
}

TEST(CompareSettingsTest, ParseOptionsTextReadsStoredTokens) {
  ForEachCase("tests/engine/cases/options_texts.txt", [&](const TableCase& c) {
    const ParsedOptions parsed = ParseOptionsText(c[0]);
    EXPECT_EQ(DpKeyword(static_cast<DpChoice>(parsed.dp_choice)), c[1]);
    EXPECT_EQ(parsed.preferences, PreferencesNamed(c[2]));
    EXPECT_EQ(parsed.text, c[3]);
  });
}

// A typed options text is checked word by word, so that "Icase" is not
// taken for Icas and a second Dp option does not silently replace the first.
TEST(CompareSettingsTest, CheckOptionsTextNamesTheFirstWordAtFault) {
  ForEachCase("tests/engine/cases/typed_options.txt", [&](const TableCase& c) {
    const OptionsCheck check = CheckOptionsText(c[0]);
    const char* fault = check.fault == OptionsFault::kNone             ? "none"
                        : check.fault == OptionsFault::kUnknownKeyword ? "unknown"
                                                                       : "second";
    EXPECT_EQ(fault, c[1]);
    EXPECT_EQ(check.word, c[2]);
    EXPECT_EQ(check.text, c[3]);
  });
}
// The verdict of a snapshot of the controls `words` name (see ControlsOf),
// and for a valid one what it took: the Dp choice kept, the Dp option and
// the option flags set, the Subc character, the tab size and the Ccol ranges.
std::string Snapshot(const std::string& words) {
  ControlValues controls = engine_support::ControlsOf(words);
  CompareSettings s;
  const SnapshotVerdict verdict = TakeSnapshot(controls, s);
  if (verdict != SnapshotVerdict::kValid) {
    return verdict == SnapshotVerdict::kFault ? "fault" : s.Ccol ? "invalid Ccol on" : "invalid";
  }
  std::string text = "valid dp=" + std::to_string(controls.dp_choice);
  if (s.DpActive) text += " " + std::string(DpKeyword(s.DpOption)) + " flags:";
  const bool flags[] = {s.Dsem, s.Drem, s.Dblk, s.Ddlc, s.Ddl2,
                        s.Dcpp, s.Dvbc, s.Dhtm, s.Dcob, s.Dudc};
  for (int k = 0; k < kDpOptionCount - 1; ++k) {
    if (flags[k]) text += " " + std::string(DpKeyword(static_cast<DpChoice>(k + 1)));
  }
  if (s.DudcEmbedded) text += " embedded";
  if (s.SubcChar != 0) text += " subc=" + std::string(1, s.SubcChar);
  text += " tab=" + std::to_string(s.TabSize);
  if (s.Ccol) text += " Ccol new=" + RangesText(s.new_ranges) + " old=" + RangesText(s.old_ranges);
  return text;
}

TEST(CompareSettingsTest, SnapshotsOfTheTable) {
  ForEachCase("tests/engine/cases/snapshots.txt",
              [&](const TableCase& c) { EXPECT_EQ(Snapshot(c[0]), c[1]); });
}

}  // namespace
}  // namespace kestrin
