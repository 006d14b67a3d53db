// The run's fixed snapshot of every user choice that steers a compare, the
// OPTIONS text that names the chosen keywords, and the compare-column ranges.
#ifndef KESTRIN_ENGINE_COMPARE_SETTINGS_H_
#define KESTRIN_ENGINE_COMPARE_SETTINGS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin {

enum class ListingKind { kChng, kDelta, kLong, kOvsum };
// The listing types' keywords, in ListingKind order (the selector's order).
inline constexpr std::array<const char*, 4> kListingTypeKeywords = {"Chng", "Delta", "Long",
                                                                    "Ovsum"};

// The seventeen preferences, in the order the preferences page holds them.
// This is also the order of the OPTIONS text.
enum class Preference {
  kIcas, kRovr, kInpn, kSbsl, kFmvl, kLorl, kNoss, kXdpl, kIeof,
  kSubc, kXtab, kTxal, kAeqf, kFscl, kChgo, kTxfo, kCcol,
};
inline constexpr int kPreferenceCount = 17;

// The Dp (don't process) options by their index on the Dp page.
enum class DpChoice {
  kNone, kDsem, kDrem, kDblk, kDdlc, kDdl2, kDcpp, kDvbc, kDhtm, kDcob, kDudc,
};
inline constexpr int kDpOptionCount = 11;

// Returns the four-letter keyword of a preference ("Icas").
std::string_view PreferenceKeyword(Preference preference);
// Returns the keyword of a Dp option ("None", "Dsem", ...).
std::string_view DpKeyword(DpChoice option);

// Compare-column selection of one side. A stop of 0 means end of line.
struct ColumnRanges {
  bool range1_valid = false;
  bool range2_valid = false;
  int32_t start1 = 0;
  int32_t stop1 = 0;
  int32_t start2 = 0;
  int32_t stop2 = 0;
};

// The Dudc embedded choice's two answers.
inline constexpr char kDudcEmbeddedYes[] = "Yes";
inline constexpr char kDudcEmbeddedNo[] = "No";
// A compare-column range's stop "eol" is the end of the line, in any letter
// case; the designed range takes the whole line.
inline constexpr char kEndOfLineStop[] = "eol";
inline constexpr char kWholeLineRange[] = "1:eol";

// The tab sizes the tab-size selector offers, the only ones Xtab takes.
inline constexpr std::array<const char*, 8> kTabSizeTexts = {"1", "2", "3", "4",
                                                             "5", "6", "7", "8"};

// Plain record of the main window's controls that a snapshot reads. The
// defaults are the controls' designed values.
struct ControlValues {
  std::string listing_type_text = kListingTypeKeywords[0];
  std::array<bool, kPreferenceCount> preferences{};  // indexed by Preference
  std::string tab_size_text = "4";
  std::string subc_text = "\".\"";  // one character between double quotes
  int dp_choice = 0;                // index of DpChoice; out of range counts as 0
  std::string dudc_tag = "#";
  std::string dudc_embedded = kDudcEmbeddedNo;  // or kDudcEmbeddedYes
  std::string new_range1 = kWholeLineRange;
  std::string new_range2;
  std::string old_range1 = kWholeLineRange;
  std::string old_range2;

  bool Checked(Preference preference) const {
    return preferences[static_cast<int>(preference)];
  }
  void SetChecked(Preference preference, bool checked) {
    preferences[static_cast<int>(preference)] = checked;
  }
};

struct CompareSettings {
  ListingKind ListingType = ListingKind::kChng;
  std::string ListingTypeText;  // "Chng", "Delta", "Long" or "Ovsum", as chosen
  bool Chng = false, Delta = false, Long = false, Ovsum = false;

  bool Icas = false, Rovr = false, Inpn = false, Sbsl = false, Fmvl = false,
       Lorl = false, Noss = false, Xdpl = false, Ieof = false, Subc = false,
       Xtab = false, Txal = false, Aeqf = false, Fscl = false, Chgo = false,
       Txfo = false, Ccol = false;

  int32_t TabSize = 0;
  char SubcChar = 0;

  DpChoice DpOption = DpChoice::kNone;
  bool DpActive = false;
  bool Dsem = false, Drem = false, Dblk = false, Ddlc = false, Ddl2 = false,
       Dcpp = false, Dvbc = false, Dhtm = false, Dcob = false, Dudc = false;
  std::string DudcTag;
  bool DudcEmbedded = false;  // the embedded choice is "Yes"

  ColumnRanges new_ranges;
  ColumnRanges old_ranges;
};

// Outcome of a snapshot.
enum class SnapshotVerdict {
  kValid,
  kInvalidCcol,  // Ccol checked and its ranges are not valid: the run stops
  kFault,        // a tab-size text that is not a number or a Subc text too short
};

// Fills `settings` from the controls. REQUIRES: `settings` is freshly made.
// The Dp choice of `controls` is set to 0 when it is out of range.
SnapshotVerdict TakeSnapshot(ControlValues& controls, CompareSettings& settings);

// Returns the OPTIONS text: the Dp keyword (unless None) and the checked
// preference keywords in page order, single blanks between; "None" when empty.
std::string OptionsText(int dp_choice, const std::array<bool, kPreferenceCount>& preferences);

// What an OPTIONS text names: the Dp option and the preferences it ticks.
struct ParsedOptions {
  int dp_choice = 0;
  std::array<bool, kPreferenceCount> preferences{};
  std::string text;  // the rebuilt OPTIONS text ("None" when nothing is recognised)
};

// Reads an OPTIONS text as the settings file stores it: "None" (any case)
// names nothing; otherwise four-character tokens at positions 1, 6, 11, ...
// are matched against the Dp and preference keywords in any letter case.
ParsedOptions ParseOptionsText(std::string_view text);

// What is wrong with an OPTIONS text that a user wrote.
enum class OptionsFault {
  kNone,
  kUnknownKeyword,   // a word that is no keyword
  kSecondDpKeyword,  // a Dp keyword after another ("None" counts as one)
};

struct OptionsCheck {
  OptionsFault fault = OptionsFault::kNone;
  std::string word;  // the word at fault, as written
  std::string text;  // the words parted by single blanks, as ParseOptionsText reads them
};

// Checks an OPTIONS text word by word (words parted by blanks and tabs, in
// any letter case): every word must be a Dp or preference keyword, and at
// most one a Dp keyword. Names the first word at fault.
OptionsCheck CheckOptionsText(std::string_view text);

// Verdict and ranges of the Ccol range texts. Returns nullopt when the ranges
// are invalid.
struct CcolRanges {
  ColumnRanges new_side;
  ColumnRanges old_side;
};
std::optional<CcolRanges> ParseCcolRanges(std::string_view new_range1, std::string_view new_range2,
                                          std::string_view old_range1, std::string_view old_range2);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_COMPARE_SETTINGS_H_
