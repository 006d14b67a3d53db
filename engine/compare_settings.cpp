// The settings snapshot, the OPTIONS text in both directions, and the Ccol
// range verdict.
#include "engine/compare_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/path.h"

namespace kestrin {

namespace {

constexpr std::array<std::string_view, kPreferenceCount> kPreferenceKeywords = {
    "Icas", "Rovr", "Inpn", "Sbsl", "Fmvl", "Lorl", "Noss", "Xdpl", "Ieof",
    "Subc", "Xtab", "Txal", "Aeqf", "Fscl", "Chgo", "Txfo", "Ccol",
};

constexpr std::array<std::string_view, kDpOptionCount> kDpKeywords = {
    "None", "Dsem", "Drem", "Dblk", "Ddlc", "Ddl2", "Dcpp", "Dvbc", "Dhtm", "Dcob", "Dudc",
};

// The range of choices the tab-size selector offers; anything else is no tab
// stop distance and would break the listing's tab expansion.
constexpr int32_t kSmallestTabSize = 1;
constexpr int32_t kLargestTabSize = 8;

// The text between a token's start and the next token in a stored OPTIONS
// text: four letters and one blank.
constexpr size_t kOptionsTokenStride = 5;
constexpr size_t kKeywordLength = 4;

bool ValidDpIndex(int index) { return index >= 0 && index < kDpOptionCount; }

// The number a text holds, blanks around it allowed; 0 when the text is not
// a number (or does not fit).
int32_t NumberOrZero(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

// True iff the characters after the colon begin with kEndOfLineStop in any
// letter case.
bool StopIsEndOfLine(std::string_view after_colon) {
  constexpr std::string_view kStop = kEndOfLineStop;
  return after_colon.size() >= kStop.size() &&
         LowerAscii(after_colon.substr(0, kStop.size())) == kStop;
}

// Range 1 of one side: valid only with a colon, a start above 0 and a stop
// that is "eol" or above 0.
void ParseFirstRange(std::string_view text, ColumnRanges& ranges) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return;
  ranges.start1 = NumberOrZero(text.substr(0, colon));
  if (ranges.start1 <= 0) return;
  const std::string_view after = text.substr(colon + 1);
  if (StopIsEndOfLine(after)) {
    ranges.stop1 = 0;
    ranges.range1_valid = true;
    return;
  }
  ranges.stop1 = NumberOrZero(after);
  ranges.range1_valid = ranges.stop1 > 0;
}

// Range 2 of one side, after a valid range 1. A range 2 that is not beyond
// range 1 is dropped without an error; the verdict catches the one case this
// lets through (range 2 to "eol" starting inside range 1).
void ParseSecondRange(std::string_view text, ColumnRanges& ranges) {
  if (text.empty()) return;
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return;
  const int32_t start = NumberOrZero(text.substr(0, colon));
  if (start <= 0) return;
  const std::string_view after = text.substr(colon + 1);
  int32_t stop = 0;
  if (!StopIsEndOfLine(after)) {
    stop = NumberOrZero(after);
    if (!(ranges.stop1 < stop && ranges.stop1 < start)) return;
  }
  ranges.start2 = start;
  ranges.stop2 = stop;
  ranges.range2_valid = true;
}

ColumnRanges ParseSide(std::string_view range1, std::string_view range2) {
  ColumnRanges ranges;
  ParseFirstRange(range1, ranges);
  if (ranges.range1_valid) ParseSecondRange(range2, ranges);
  return ranges;
}

bool SecondRangeOverlaps(const ColumnRanges& ranges) {
  return ranges.range2_valid && ranges.stop1 >= ranges.start2;
}

void SetDpOption(DpChoice option, CompareSettings& settings) {
  settings.DpOption = option;
  settings.DpActive = option != DpChoice::kNone;
  bool* const flags[kDpOptionCount] = {
      nullptr,        &settings.Dsem, &settings.Drem, &settings.Dblk,
      &settings.Ddlc, &settings.Ddl2, &settings.Dcpp, &settings.Dvbc,
      &settings.Dhtm, &settings.Dcob, &settings.Dudc,
  };
  if (bool* flag = flags[static_cast<int>(option)]) *flag = true;
}

// An unknown listing-type text (never offered by the selector) lists as Chng.
void SetListingType(std::string_view text, CompareSettings& settings) {
  settings.ListingTypeText = std::string(text.substr(0, 5));
  const auto known = std::find(kListingTypeKeywords.begin(), kListingTypeKeywords.end(),
                               settings.ListingTypeText);
  settings.ListingType = known == kListingTypeKeywords.end()
                             ? ListingKind::kChng
                             : static_cast<ListingKind>(known - kListingTypeKeywords.begin());
  settings.Chng = settings.ListingType == ListingKind::kChng;
  settings.Delta = settings.ListingType == ListingKind::kDelta;
  settings.Long = settings.ListingType == ListingKind::kLong;
  settings.Ovsum = settings.ListingType == ListingKind::kOvsum;
}

bool* PreferenceFlag(Preference preference, CompareSettings& settings) {
  bool* const flags[kPreferenceCount] = {
      &settings.Icas, &settings.Rovr, &settings.Inpn, &settings.Sbsl, &settings.Fmvl,
      &settings.Lorl, &settings.Noss, &settings.Xdpl, &settings.Ieof, &settings.Subc,
      &settings.Xtab, &settings.Txal, &settings.Aeqf, &settings.Fscl, &settings.Chgo,
      &settings.Txfo, &settings.Ccol,
  };
  return flags[static_cast<int>(preference)];
}

// Switches on the checked preferences other than Ccol. Returns false when the
// tab-size or Subc field of a checked preference cannot be used.
bool SetPreferences(const ControlValues& controls, CompareSettings& settings) {
  for (int index = 0; index < kPreferenceCount; ++index) {
    const auto preference = static_cast<Preference>(index);
    if (preference == Preference::kCcol || !controls.Checked(preference)) continue;
    if (preference == Preference::kSbsl && settings.Ovsum) continue;
    *PreferenceFlag(preference, settings) = true;
  }
  if (settings.Subc) {
    // The field holds the character between double quotes, as "." does.
    if (controls.subc_text.size() < 2) return false;
    settings.SubcChar = controls.subc_text[1];
  }
  if (settings.Xtab) {
    settings.TabSize = NumberOrZero(controls.tab_size_text);
    if (settings.TabSize < kSmallestTabSize || settings.TabSize > kLargestTabSize) return false;
  }
  return true;
}

// A stored keyword: first letter upper case, the other three lower case.
std::string KeywordCase(std::string_view lowered) {
  std::string keyword(lowered);
  keyword[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(keyword[0])));
  return keyword;
}

}  // namespace

std::string_view PreferenceKeyword(Preference preference) {
  return kPreferenceKeywords[static_cast<int>(preference)];
}

std::string_view DpKeyword(DpChoice option) { return kDpKeywords[static_cast<int>(option)]; }

SnapshotVerdict TakeSnapshot(ControlValues& controls, CompareSettings& settings) {
  if (!ValidDpIndex(controls.dp_choice)) controls.dp_choice = 0;
  SetDpOption(static_cast<DpChoice>(controls.dp_choice), settings);
  settings.DudcTag = controls.dudc_tag;
  settings.DudcEmbedded = controls.dudc_embedded == kDudcEmbeddedYes;

  SetListingType(controls.listing_type_text, settings);
  if (!SetPreferences(controls, settings)) return SnapshotVerdict::kFault;

  if (controls.Checked(Preference::kCcol)) {
    const std::optional<CcolRanges> ranges = ParseCcolRanges(
        controls.new_range1, controls.new_range2, controls.old_range1, controls.old_range2);
    if (!ranges) return SnapshotVerdict::kInvalidCcol;
    settings.Ccol = true;
    settings.new_ranges = ranges->new_side;
    settings.old_ranges = ranges->old_side;
  }
  return SnapshotVerdict::kValid;
}

std::string OptionsText(int dp_choice, const std::array<bool, kPreferenceCount>& preferences) {
  std::string text;
  if (ValidDpIndex(dp_choice) && dp_choice != 0) {
    text += DpKeyword(static_cast<DpChoice>(dp_choice));
    text += ' ';
  }
  for (int index = 0; index < kPreferenceCount; ++index) {
    if (!preferences[index]) continue;
    text += PreferenceKeyword(static_cast<Preference>(index));
    text += ' ';
  }
  if (text.empty()) return std::string(DpKeyword(DpChoice::kNone));
  text.pop_back();
  return text;
}

ParsedOptions ParseOptionsText(std::string_view text) {
  ParsedOptions parsed;
  const std::string none = LowerAscii(DpKeyword(DpChoice::kNone));
  if (LowerAscii(text.substr(0, none.size())) != none) {
    for (size_t position = 0; position < text.size(); position += kOptionsTokenStride) {
      const std::string token = LowerAscii(text.substr(position, kKeywordLength));
      bool recognised = false;
      if (token.starts_with('d')) {
        for (int index = 1; index < kDpOptionCount && !recognised; ++index) {
          if (token == LowerAscii(kDpKeywords[index])) {
            parsed.dp_choice = index;
            recognised = true;
          }
        }
      } else {
        for (int index = 0; index < kPreferenceCount && !recognised; ++index) {
          if (token == LowerAscii(kPreferenceKeywords[index])) {
            parsed.preferences[index] = true;
            recognised = true;
          }
        }
      }
      if (recognised) parsed.text += KeywordCase(token) + ' ';
    }
  }
  if (parsed.text.empty()) {
    parsed.text = DpKeyword(DpChoice::kNone);
  } else {
    parsed.text.pop_back();
  }
  return parsed;
}

OptionsCheck CheckOptionsText(std::string_view text) {
  constexpr std::string_view kWordGap = " \t";
  OptionsCheck check;
  bool dp_seen = false;
  for (size_t start = text.find_first_not_of(kWordGap); start != std::string_view::npos;
       start = text.find_first_not_of(kWordGap, start)) {
    const std::string_view word = text.substr(start, text.find_first_of(kWordGap, start) - start);
    start += word.size();
    const std::string lowered = LowerAscii(word);
    const auto is = [&lowered](std::string_view keyword) { return lowered == LowerAscii(keyword); };
    const bool dp = std::any_of(kDpKeywords.begin(), kDpKeywords.end(), is);
    const bool preference = std::any_of(kPreferenceKeywords.begin(), kPreferenceKeywords.end(), is);
    if (check.fault == OptionsFault::kNone && !dp && !preference) {
      check = OptionsCheck{OptionsFault::kUnknownKeyword, std::string(word), check.text};
    } else if (check.fault == OptionsFault::kNone && dp && dp_seen) {
      check = OptionsCheck{OptionsFault::kSecondDpKeyword, std::string(word), check.text};
    }
    dp_seen = dp_seen || dp;
    if (!check.text.empty()) check.text += ' ';
    check.text += word;
  }
  return check;
}

std::optional<CcolRanges> ParseCcolRanges(std::string_view new_range1, std::string_view new_range2,
                                          std::string_view old_range1,
                                          std::string_view old_range2) {
  CcolRanges ranges;
  ranges.new_side = ParseSide(new_range1, new_range2);
  if (ranges.new_side.range1_valid) ranges.old_side = ParseSide(old_range1, old_range2);

  if (SecondRangeOverlaps(ranges.new_side)) return std::nullopt;
  if (SecondRangeOverlaps(ranges.old_side)) return std::nullopt;
  if (ranges.new_side.range1_valid && ranges.old_side.range1_valid) return ranges;
  return std::nullopt;
}

}  // namespace kestrin
