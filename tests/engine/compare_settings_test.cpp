#include "engine/compare_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using testkit::CaseScope;
using testkit::ReadCaseTable;
using testkit::TableCase;

std::string RangesText(const ColumnRanges& ranges) {
  std::string text = std::to_string(ranges.start1) + "-" + std::to_string(ranges.stop1);
  if (ranges.range2_valid) {
    text += " " + std::to_string(ranges.start2) + "-" + std::to_string(ranges.stop2);
  }
  return text;
}

TEST(CompareSettingsTest, CcolVerdicts) {
  for (const TableCase& c : ReadCaseTable("tests/engine/cases/ccol_ranges.txt")) {
    CaseScope scope(c);
    const std::optional<CcolRanges> ranges = ParseCcolRanges(c[0], c[1], c[2], c[3]);
    EXPECT_EQ(ranges
                  ? "new=" + RangesText(ranges->new_side) + " old=" + RangesText(ranges->old_side)
                  : "invalid",
              c[4]);
  }
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
  for (const TableCase& c : ReadCaseTable("tests/engine/cases/options_written.txt")) {
    CaseScope scope(c);
    EXPECT_EQ(OptionsText(static_cast<int>(c.Number(0)), PreferencesNamed(c[1])), c[2]);
  }
}

TEST(CompareSettingsTest, ParseOptionsTextReadsStoredTokens) {
  for (const TableCase& c : ReadCaseTable("tests/engine/cases/options_texts.txt")) {
    CaseScope scope(c);
    const ParsedOptions parsed = ParseOptionsText(c[0]);
    EXPECT_EQ(DpKeyword(static_cast<DpChoice>(parsed.dp_choice)), c[1]);
    EXPECT_EQ(parsed.preferences, PreferencesNamed(c[2]));
    EXPECT_EQ(parsed.text, c[3]);
  }
}

// A typed options text is checked word by word, so that "Icase" is not
// taken for Icas and a second Dp option does not silently replace the first.
TEST(CompareSettingsTest, CheckOptionsTextNamesTheFirstWordAtFault) {
  for (const TableCase& c : ReadCaseTable("tests/engine/cases/typed_options.txt")) {
    CaseScope scope(c);
    const OptionsCheck check = CheckOptionsText(c[0]);
    const char* fault = check.fault == OptionsFault::kNone             ? "none"
                        : check.fault == OptionsFault::kUnknownKeyword ? "unknown"
                                                                       : "second";
    EXPECT_EQ(fault, c[1]);
    EXPECT_EQ(check.word, c[2]);
    EXPECT_EQ(check.text, c[3]);
  }
}
TEST(CompareSettingsTest, DpChoiceSwitchesOnItsOneFlag) {
  ControlValues controls;
  controls.dp_choice = 9;
  controls.dudc_embedded = "Yes";
  CompareSettings settings;
  TakeSnapshot(controls, settings);
  EXPECT_TRUE(settings.DpActive);
  EXPECT_EQ(settings.DpOption, DpChoice::kDcob);
  EXPECT_TRUE(settings.Dcob);
  EXPECT_FALSE(settings.Dudc || settings.Dsem);
  EXPECT_TRUE(settings.DudcEmbedded);

  ControlValues out_of_range;
  out_of_range.dp_choice = 42;
  CompareSettings none;
  TakeSnapshot(out_of_range, none);
  EXPECT_EQ(out_of_range.dp_choice, 0);
  EXPECT_FALSE(none.DpActive);
}

TEST(CompareSettingsTest, SubcAndXtabFieldsAreReadOrFaultTheSnapshot) {
  for (const TableCase& c : ReadCaseTable("tests/engine/cases/subc_xtab_fields.txt")) {
    CaseScope scope(c);
    ControlValues controls;
    controls.preferences = PreferencesNamed(c[0]);
    controls.subc_text = c[1];
    controls.tab_size_text = c[2];
    CompareSettings settings;
    const SnapshotVerdict verdict = TakeSnapshot(controls, settings);
    EXPECT_EQ(verdict == SnapshotVerdict::kValid ? "valid" : "fault", c[3]);
    if (verdict != SnapshotVerdict::kValid) continue;
    EXPECT_EQ(std::string(settings.SubcChar != 0, settings.SubcChar), c[4]);
    EXPECT_EQ(settings.TabSize, c.Number(5));
  }
}

TEST(CompareSettingsTest, CcolIsOnOnlyWithValidRanges) {
  ControlValues controls;
  controls.SetChecked(Preference::kCcol, true);
  controls.new_range1 = "5:20";
  controls.old_range2 = "30:eol";
  CompareSettings settings;
  EXPECT_EQ(TakeSnapshot(controls, settings), SnapshotVerdict::kValid);
  EXPECT_TRUE(settings.Ccol);
  EXPECT_EQ(RangesText(settings.new_ranges), "5-20");
  EXPECT_EQ(RangesText(settings.old_ranges), "1-0 30-0");

  controls.new_range1 = "10";
  CompareSettings invalid;
  EXPECT_EQ(TakeSnapshot(controls, invalid), SnapshotVerdict::kInvalidCcol);
  EXPECT_FALSE(invalid.Ccol);
}

}  // namespace
}  // namespace kestrin
