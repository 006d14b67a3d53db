#include "engine/compare_settings.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace kestrin {
namespace {

std::string RangesText(const ColumnRanges& ranges) {
  std::string text = std::to_string(ranges.start1) + "-" + std::to_string(ranges.stop1);
  if (ranges.range2_valid) {
    text += " " + std::to_string(ranges.start2) + "-" + std::to_string(ranges.stop2);
  }
  return text;
}

// "invalid", or "new=<ranges> old=<ranges>" with each range as start-stop.
std::string Verdict(const char* new1, const char* new2, const char* old1, const char* old2) {
  const std::optional<CcolRanges> ranges = ParseCcolRanges(new1, new2, old1, old2);
  if (!ranges) return "invalid";
  return "new=" + RangesText(ranges->new_side) + " old=" + RangesText(ranges->old_side);
}

TEST(CompareSettingsTest, CcolVerdicts) {
  struct Case {
    const char* new1;
    const char* new2;
    const char* old1;
    const char* old2;
    const char* expected;
  } const cases[] = {
      {"1:eol", "", "1:eol", "", "new=1-0 old=1-0"},
      {"0:10", "", "1:eol", "", "invalid"},
      {"10", "", "1:eol", "", "invalid"},
      {"1:10", "5:eol", "1:eol", "", "invalid"},
      {"1:eol", "5:eol", "1:eol", "", "new=1-0 5-0 old=1-0"},
      {"1:40", "30:20", "1:eol", "", "new=1-40 old=1-0"},
      {"1:eol", "", "", "", "invalid"},
      {"1:EOL", "", "1:Eolx", "", "new=1-0 old=1-0"},
      {"10:5", "", "1:eol", "", "new=10-5 old=1-0"},
      {"1:0", "", "1:eol", "", "invalid"},
      {"1:x", "", "1:eol", "", "invalid"},
      {"x:9", "", "1:eol", "", "invalid"},
      {"1:10", "20", "1:eol", "", "new=1-10 old=1-0"},
      {"1:10", "0:30", "1:eol", "", "new=1-10 old=1-0"},
      {"1:10", "20:30", "1:eol", "", "new=1-10 20-30 old=1-0"},
      {"1:10", "11:eol", "1:eol", "", "new=1-10 11-0 old=1-0"},
      {"1:10", "8:30", "1:eol", "", "new=1-10 old=1-0"},
      {"1:eol", "", "1:10", "5:eol", "invalid"},
      {"1:eol", "", "2:9", "12:eol", "new=1-0 old=2-9 12-0"},
      {" 3 : 7 ", "", "1:eol", "", "new=3-7 old=1-0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Verdict(c.new1, c.new2, c.old1, c.old2), c.expected)
        << c.new1 << " | " << c.new2 << " | " << c.old1 << " | " << c.old2;
  }
}

std::array<bool, kPreferenceCount> Checked(std::initializer_list<Preference> checked) {
  std::array<bool, kPreferenceCount> preferences{};
  for (Preference preference : checked) preferences[static_cast<int>(preference)] = true;
  return preferences;
}

TEST(CompareSettingsTest, OptionsTextListsDpThenPreferencesInPageOrder) {
  std::array<bool, kPreferenceCount> all{};
  all.fill(true);
  struct Case {
    int dp_choice;
    std::array<bool, kPreferenceCount> preferences;
    const char* expected;
  } const cases[] = {
      {0, {}, "None"},
      {6, Checked({Preference::kXtab, Preference::kIcas}), "Dcpp Icas Xtab"},
      {10, {}, "Dudc"},
      {0, Checked({Preference::kCcol}), "Ccol"},
      {11, Checked({Preference::kSbsl}), "Sbsl"},
      {9, all,
       "Dcob Icas Rovr Inpn Sbsl Fmvl Lorl Noss Xdpl Ieof Subc Xtab Txal Aeqf Fscl Chgo Txfo "
       "Ccol"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OptionsText(c.dp_choice, c.preferences), c.expected) << c.expected;
  }
}

TEST(CompareSettingsTest, ParseOptionsTextReadsStoredTokens) {
  struct Case {
    const char* text;
    int dp_choice;
    std::array<bool, kPreferenceCount> preferences;
    const char* rebuilt;
  } const cases[] = {
      {"Dcpp Icas Xtab", 6, Checked({Preference::kIcas, Preference::kXtab}), "Dcpp Icas Xtab"},
      {"icas", 0, Checked({Preference::kIcas}), "Icas"},
      {"None", 0, {}, "None"},
      {"NONE Icas", 0, {}, "None"},
      {"junk", 0, {}, "None"},
      {"", 0, {}, "None"},
      {"ICAS xTaB dUDC", 10, Checked({Preference::kIcas, Preference::kXtab}), "Icas Xtab Dudc"},
      {"Icas,Ccol", 0, Checked({Preference::kIcas, Preference::kCcol}), "Icas Ccol"},
      {"Dxyz Rovr", 0, Checked({Preference::kRovr}), "Rovr"},
      {"Ddl2 Fscl", 5, Checked({Preference::kFscl}), "Ddl2 Fscl"},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = ParseOptionsText(c.text);
    EXPECT_EQ(parsed.dp_choice, c.dp_choice) << c.text;
    EXPECT_EQ(parsed.preferences, c.preferences) << c.text;
    EXPECT_EQ(parsed.text, c.rebuilt) << c.text;
  }
}

// A typed options text is checked word by word, so that "Icase" is not
// taken for Icas and a second Dp option does not silently replace the first.
TEST(CompareSettingsTest, CheckOptionsTextNamesTheFirstWordAtFault) {
  struct Case {
    const char* text;
    OptionsFault fault;
    const char* word;
    const char* words;
  } const cases[] = {
      {"  dcpp\tICAS  xtab ", OptionsFault::kNone, "", "dcpp ICAS xtab"},
      {"None", OptionsFault::kNone, "", "None"},
      {"", OptionsFault::kNone, "", ""},
      {"Dcpp Icase", OptionsFault::kUnknownKeyword, "Icase", "Dcpp Icase"},
      {"Icas,Ccol Dxyz", OptionsFault::kUnknownKeyword, "Icas,Ccol", "Icas,Ccol Dxyz"},
      {"Dcpp Icas Dsem Junk", OptionsFault::kSecondDpKeyword, "Dsem", "Dcpp Icas Dsem Junk"},
      {"None Dudc", OptionsFault::kSecondDpKeyword, "Dudc", "None Dudc"},
  };
  for (const Case& c : cases) {
    const OptionsCheck check = CheckOptionsText(c.text);
    EXPECT_EQ(check.fault, c.fault) << c.text;
    EXPECT_EQ(check.word, c.word) << c.text;
    EXPECT_EQ(check.text, c.words) << c.text;
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
  struct Case {
    Preference preference;
    const char* subc;
    const char* tab;
    SnapshotVerdict verdict;
    char subc_char;
    int32_t tab_size;
  } const cases[] = {
      {Preference::kSubc, "\"#\"", "4", SnapshotVerdict::kValid, '#', 0},
      {Preference::kSubc, "x", "4", SnapshotVerdict::kFault, 0, 0},
      {Preference::kXtab, "\".\"", "8", SnapshotVerdict::kValid, 0, 8},
      {Preference::kXtab, "\".\"", "abc", SnapshotVerdict::kFault, 0, 0},
      {Preference::kXtab, "\".\"", "0", SnapshotVerdict::kFault, 0, 0},
      {Preference::kIcas, "", "abc", SnapshotVerdict::kValid, 0, 0},
  };
  for (const Case& c : cases) {
    ControlValues controls;
    controls.SetChecked(c.preference, true);
    controls.subc_text = c.subc;
    controls.tab_size_text = c.tab;
    CompareSettings settings;
    EXPECT_EQ(TakeSnapshot(controls, settings), c.verdict) << c.subc << " " << c.tab;
    if (c.verdict != SnapshotVerdict::kValid) continue;
    EXPECT_EQ(settings.SubcChar, c.subc_char) << c.subc;
    EXPECT_EQ(settings.TabSize, c.tab_size) << c.tab;
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
