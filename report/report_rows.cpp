// How a report line becomes a viewer row: the row number or summary prefix in
// front of the line, the out-of-range texts, and the change-flag colours.
#include "report/report_rows.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string_view>

#include "report/report_texts.h"

namespace kestrin {
namespace {

// A numbered row: the row number right-aligned in four characters ("%4d")
// and two blanks, e.g. "   1  I - int main()". Wider numbers shift the line.
constexpr size_t kRowNumberWidth = 4;
constexpr std::string_view kRowNumberGap = "  ";
// A summary row: one blank before the line, e.g. " Total lines = 12".
constexpr std::string_view kSummaryRowPrefix = " ";

// Change flags: the first three characters of a listing line.
constexpr size_t kFlagLetters = kFlagWidth - 1;
constexpr std::string_view FlagLetters(std::string_view flag) { return flag.substr(0, kFlagLetters); }

// The start of `text` that marks a heading or summary line, `length`
// characters long.
constexpr std::string_view LineStart(std::string_view text, size_t length) {
  return text.substr(0, length);
}

// Line starts that colour headings and summary lines.
constexpr std::string_view kNewFileStart = LineStart(kNewFileFormat, 10);     // "New File ="
constexpr std::string_view kNewDirStart = LineStart(kNewDirFormat, 9);        // "New Dir ="
constexpr std::string_view kRulerStart = LineStart(kRulerFixed, 10);          // "ID  ----+-"
constexpr std::string_view kNotShownMarkerStart = LineStart(kNotShownFormat, 17);
constexpr std::string_view kOldFileStart = LineStart(kOldFileFormat, 10);     // "Old File ="
constexpr std::string_view kOldDirStart = LineStart(kOldDirFormat, 9);        // "Old Dir ="
constexpr std::string_view kProductHeadingStart = LineStart(kLineTotalsTitle, 8);  // "Kestrin "
constexpr std::string_view kIndividualSummaryStart = LineStart(kPairSummaryTitle, 10);
constexpr std::string_view kListingTypeStart = LineStart(kListingOptionsFormat, 10);

const StoredLines& ListOf(const ReportLines& report, RowSide side) {
  return side == RowSide::kDeletes ? report.Secondary : report.Primary;
}

bool InList(const StoredLines& list, int64_t i) {
  return i >= 0 && static_cast<uint64_t>(i) < list.size();
}

std::string Formatted(const char* format, int64_t value) {
  char buffer[96];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  assert(length > 0 && static_cast<size_t>(length) < sizeof buffer);
  return std::string(buffer, static_cast<size_t>(length));
}

std::string OutOfRangeText(RowSide side, int64_t i) {
  switch (side) {
    case RowSide::kSingle:
      return Formatted(kSingleOutOfRangeFormat, i);
    case RowSide::kInserts:
      return Formatted(kInsertsOutOfRangeFormat, i);
    case RowSide::kDeletes:
      return Formatted(kDeletesOutOfRangeFormat, i);
  }
  return Formatted(kSingleOutOfRangeFormat, i);
}

bool IsSummaryRow(const ReportLines& report, int64_t i) {
  return report.SummaryStarted && i >= report.SummaryStartIndex;
}

std::string RowTextOf(const ReportLines& report, const StoredLines& list,
                      RowSide side, int64_t i) {
  if (!InList(list, i)) return OutOfRangeText(side, i);
  const std::string line = list[static_cast<size_t>(i)];
  std::string text;
  if (IsSummaryRow(report, i)) {
    text.reserve(kSummaryRowPrefix.size() + line.size());
    text += kSummaryRowPrefix;
  } else {
    // Rows are painted and searched by the million, so the number is written
    // without the C library's format machinery.
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, i + 1);
    assert(error == std::errc());
    const auto length = static_cast<size_t>(end - digits);
    text.reserve(std::max(length, kRowNumberWidth) + kRowNumberGap.size() + line.size());
    if (length < kRowNumberWidth) text.append(kRowNumberWidth - length, ' ');
    text.append(digits, length);
    text += kRowNumberGap;
  }
  text += line;
  return text;
}

// The colour a change flag gives on `side`; nothing when the flag does not
// decide the colour there.
std::optional<RowColourName> FlagColour(RowSide side, std::string_view flag) {
  const bool inserted =
      flag == FlagLetters(kFlagInserted) || flag == FlagLetters(kFlagInsertedMoved);
  const bool deleted = flag == FlagLetters(kFlagDeleted) || flag == FlagLetters(kFlagDeletedMoved);
  const bool shows_inserts = side != RowSide::kDeletes;
  const bool shows_deletes = side != RowSide::kInserts;
  if (shows_deletes && deleted) return RowColourName::kRed;
  if (shows_inserts && inserted) return RowColourName::kBlue;
  if (shows_inserts && flag == FlagLetters(kFlagReformNew)) return RowColourName::kTeal;
  if (shows_deletes && flag == FlagLetters(kFlagReformOld)) return RowColourName::kMaroon;
  return std::nullopt;
}

bool IsNewSideHeading(std::string_view line) {
  return line.starts_with(kNewFileStart) || line.starts_with(kNewDirStart) ||
         line.starts_with(kRulerStart);
}

bool IsOldSideHeading(std::string_view line) {
  return line.starts_with(kOldFileStart) || line.starts_with(kOldDirStart) ||
         line.starts_with(kProductHeadingStart) || line.starts_with(kIndividualSummaryStart) ||
         line.starts_with(kListingTypeStart);
}

}  // namespace

Rgb ColourRgb(RowColourName colour) {
  switch (colour) {
    case RowColourName::kBlack:
      return {0, 0, 0};
    case RowColourName::kRed:
      return {255, 0, 0};
    case RowColourName::kBlue:
      return {0, 0, 255};
    case RowColourName::kTeal:
      return {0, 128, 128};
    case RowColourName::kMaroon:
      return {128, 0, 0};
    case RowColourName::kGreen:
      return {0, 128, 0};
    case RowColourName::kNavy:
      return {0, 0, 128};
  }
  return {0, 0, 0};
}

std::string RowText(const ReportLines& report, const StoredLines& list, int64_t i) {
  const RowSide side = &list == &report.Secondary ? RowSide::kDeletes : RowSide::kSingle;
  return RowTextOf(report, list, side, i);
}

std::string RowText(const ReportLines& report, RowSide side, int64_t i) {
  return RowTextOf(report, ListOf(report, side), side, i);
}

RowColourName RowColour(const ReportLines& report, RowSide side, int64_t i) {
  const StoredLines& list = ListOf(report, side);
  if (!InList(list, i)) return RowColourName::kGreen;
  const std::string stored = list[static_cast<size_t>(i)];
  const std::string_view line = stored;

  if (const auto colour = FlagColour(side, line.substr(0, kFlagLetters))) return *colour;
  if (IsNewSideHeading(line)) return RowColourName::kBlue;
  if (report.settings.Chng && line.starts_with(kNotShownMarkerStart)) return RowColourName::kBlue;
  if (IsOldSideHeading(line)) return RowColourName::kRed;
  return RowColourName::kBlack;
}

}  // namespace kestrin
