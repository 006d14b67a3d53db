// The report line store's operations.
#include "report/report_store.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "engine/path.h"
#include "report/report_format.h"
#include "report/report_texts.h"
#include "report/utf8_text.h"

namespace kestrin {
namespace {

constexpr unsigned char kTab = 9;
constexpr unsigned char kFirstPrintable = 32;
constexpr char kPlainReplacement = '.';

// Where a listing line goes with Sbsl, by its first three characters.
enum class Route { kBoth, kReformNew, kRight, kLeft };

Route RouteOf(std::string_view line) {
  const std::string_view flag = line.substr(0, 3);
  if (flag == kFlagBlank.substr(0, 3)) return Route::kBoth;
  if (flag == kFlagReformNew.substr(0, 3)) return Route::kReformNew;
  if (flag == kFlagReformOld.substr(0, 3) || flag == kFlagDeleted.substr(0, 3) ||
      flag == kFlagDeletedMoved.substr(0, 3)) {
    return Route::kRight;
  }
  return Route::kLeft;
}

// Blanks that bring a tab at 1-based column `column` to the next tab stop,
// the stops lying at the multiples of `tab_size`.
size_t BlanksToTabStop(size_t column, int32_t tab_size) {
  const size_t size = tab_size > 0 ? static_cast<size_t>(tab_size) : 1;
  return size - column % size;
}

}  // namespace

std::string CleanListingLine(std::string_view line, const CompareSettings& settings) {
  // Columns (tab stops and the line's width) count characters in a line of
  // valid UTF-8 and bytes in any other; a character's bytes stay together.
  const bool characters = IsValidUtf8(line);
  std::string cleaned(CutTo(line, kFlagWidth));
  size_t columns = cleaned.size();
  for (size_t i = cleaned.size(); i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool continues = characters && IsUtf8Continuation(line[i]);
    if (!continues && columns >= kReportLineWidth) break;
    if (c == kTab && settings.Xtab) {
      const size_t blanks = BlanksToTabStop(columns + 1, settings.TabSize);
      cleaned.append(blanks, ' ');
      columns += blanks;
    } else if (c < kFirstPrintable) {
      cleaned.push_back(settings.Subc ? settings.SubcChar : kPlainReplacement);
      ++columns;
    } else {
      cleaned.push_back(static_cast<char>(c));
      if (!continues) ++columns;
    }
  }
  // A tab's blanks may run past the width; they are the line's last bytes.
  if (columns > kReportLineWidth) cleaned.resize(cleaned.size() - (columns - kReportLineWidth));
  return cleaned;
}

ReportStore::ReportStore(ReportLines& lines, EngineHost& host, size_t line_capacity,
                         ReportSink* sink)
    : lines_(lines),
      host_(host),
      line_capacity_(line_capacity),
      sink_(sink) {}

void ReportStore::SetPair(int32_t pair_index, int32_t pair_count, PairHeading heading) {
  pair_index_ = pair_index;
  pair_count_ = pair_count;
  heading_ = std::move(heading);
}

bool ReportStore::Append(ReportList list, std::string_view text) {
  // A list that cannot grow is the store's only limit: the pair's report
  // ends there, and the run goes on with the next pair.
  bool appended = false;
  if (LineCount(list) < line_capacity_) {
    if (sink_ != nullptr) {
      sink_->TakeLine(list, CutTo(text, kReportLineWidth));
      ++(list == ReportList::kPrimary ? passed_primary_ : passed_secondary_);
      appended = true;
    } else {
      StoredLines& stored = list == ReportList::kPrimary ? lines_.Primary : lines_.Secondary;
      try {
        stored.push_back(CutTo(text, kReportLineWidth));
        appended = true;
      } catch (const std::bad_alloc&) {
        appended = false;
      } catch (const std::length_error&) {
        appended = false;
      }
      TellSpillFailure(stored);
    }
  }
  if (!appended && !lines_.ReportFull) {
    lines_.ReportFull = true;
    host_.ShowMessage(FormatText(kStoreFullFormat, static_cast<int>(PrimaryLineCount())));
  }
  return appended;
}

void ReportStore::TellSpillFailure(const StoredLines& stored) {
  if (spill_failure_told_ || !stored.SpillFailed()) return;
  spill_failure_told_ = true;
  host_.ShowMessage(std::string(kSpillFailedText));
}

size_t ReportStore::LineCount(ReportList list) const {
  if (sink_ != nullptr) return list == ReportList::kPrimary ? passed_primary_ : passed_secondary_;
  return (list == ReportList::kPrimary ? lines_.Primary : lines_.Secondary).size();
}

void ReportStore::AddLine(std::string_view text) {
  WritePendingHeading();
  if (lines_.ReportFull) return;
  // Heading and summary lines carry file names, which may hold any byte.
  const std::string shown = ShownName(text);
  if (lines_.settings.Sbsl && !lines_.SummaryStarted && !Append(ReportList::kSecondary, shown)) {
    return;
  }
  Append(ReportList::kPrimary, shown);
}

void ReportStore::WriteListingLine(std::string_view line) {
  WritePendingHeading();
  if (lines_.ReportFull) return;
  // Printable ASCII, nearly every line, only needs its cut.
  std::string cleaned_text;
  std::string_view cleaned = line.substr(0, kReportLineWidth);
  if (!IsPrintableAscii(line)) {
    cleaned_text = CleanListingLine(line, lines_.settings);
    cleaned = cleaned_text;
  }
  const auto left = [&] { Append(ReportList::kPrimary, cleaned); };
  const auto right = [&](std::string_view text) { Append(ReportList::kSecondary, text); };
  if (!lines_.settings.Sbsl) {
    left();
  } else {
    switch (RouteOf(cleaned)) {
      case Route::kBoth:
        Equalize();
        left();
        right(cleaned);
        break;
      case Route::kReformNew:
        Equalize();
        left();
        // Without Lorl no RO- line follows, so a blank keeps the right side level.
        if (!lines_.settings.Lorl) right(kOneBlankLine);
        break;
      case Route::kRight:
        right(cleaned);
        break;
      case Route::kLeft:
        left();
        break;
    }
  }
  if (!lines_.ReportFull) CountListingLine();
}

bool ReportStore::ArmHeading() {
  if (lines_.HeaderArmed || lines_.HeaderPending) return false;
  lines_.HeaderArmed = true;
  lines_.HeaderPending = true;
  return true;
}

void ReportStore::WriteHeading() {
  lines_.HeaderArmed = true;
  lines_.HeaderPending = true;
  WritePendingHeading();
}

void ReportStore::WritePendingHeading() {
  if (!lines_.HeaderPending) return;
  lines_.HeaderPending = false;
  if (PrimaryLineCount() > 0) AddLine(kOneBlankLine);
  for (const std::string& line : HeadingLines(heading_, lines_.settings.Fscl)) AddLine(line);
}

void ReportStore::Equalize() {
  if (!lines_.settings.Sbsl) return;
  while (PrimaryLineCount() != LineCount(ReportList::kSecondary)) {
    const ReportList shorter = PrimaryLineCount() < LineCount(ReportList::kSecondary)
                                   ? ReportList::kPrimary
                                   : ReportList::kSecondary;
    if (!Append(shorter, kOneBlankLine)) return;
  }
}

void ReportStore::AppendFinalLine(std::string_view text) { Append(ReportList::kPrimary, text); }

void ReportStore::CountListingLine() {
  ++lines_.OutputLineCount;
  if (lines_.OutputLineCount % kProgressInterval != 0) return;
  host_.SetStatus(
      FormatText(kWritingReportStatusFormat, lines_.OutputLineCount, pair_index_ + 1, pair_count_));
  host_.ToggleProgress();
  host_.ProcessEvents();
}

}  // namespace kestrin
