// The row search of both viewers.
#include "ui/viewer/viewer_find.h"

#include <string>

#include "report/report_rows.h"
#include "ui/common/display_text.h"

namespace kestrin {
namespace {

// The lower-cased search text, with its bytes when it is plain ASCII: a row of
// plain ASCII then needs no decoding, as lower-casing such a row changes only
// the letters A to Z.
struct Needle {
  explicit Needle(const QString& search)
      : text(search), bytes(search.toStdString()), ascii(IsPlainAscii(bytes)) {}

  QString text;
  std::string bytes;
  bool ascii;
};

bool RowContains(const ReportLines& report, RowSide side, int64_t row, const Needle& needle) {
  std::string text = RowText(report, side, row);
  if (needle.ascii && IsPlainAscii(text)) {
    // Folded in place: a find may read a million rows on the interface thread.
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text.find(needle.bytes) != std::string::npos;
  }
  return DisplayText(text).toLower().contains(needle.text);
}

// Walks the rows of Primary beside the selected one in the request's
// direction and returns the first for which `matches` holds.
template <typename Matches>
std::optional<int64_t> FindRow(const ReportLines& report, const FindRequest& request,
                               const QString& search, Matches matches) {
  const auto row_count = static_cast<int64_t>(report.Primary.size());
  if (row_count == 0 || search.isEmpty()) return std::nullopt;
  const int64_t step = request.direction == FindDirection::kDown ? 1 : -1;
  for (int64_t row = request.selected_row + step; row >= 0 && row < row_count; row += step) {
    if (matches(row)) return row;
  }
  return std::nullopt;
}

}  // namespace

QString SearchText(const QString& typed, std::optional<qsizetype> max_length) {
  QString search = typed.trimmed().toLower();
  if (max_length && search.size() > *max_length) {
    qsizetype length = *max_length;
    // Never keep half of a character outside the basic plane.
    if (search.at(length - 1).isHighSurrogate()) --length;
    search.truncate(length);
  }
  return search;
}

std::optional<int64_t> FindSingleRow(const ReportLines& report, const FindRequest& request) {
  const Needle needle(SearchText(request.typed, std::nullopt));
  return FindRow(report, request, needle.text,
                 [&](int64_t row) { return RowContains(report, RowSide::kSingle, row, needle); });
}

std::optional<int64_t> FindDualRow(const ReportLines& report, const FindRequest& request) {
  const Needle needle(SearchText(request.typed, kDualSearchLength));
  const auto right_count = static_cast<int64_t>(report.Secondary.size());
  return FindRow(report, request, needle.text, [&](int64_t row) {
    return RowContains(report, RowSide::kInserts, row, needle) ||
           (row < right_count && RowContains(report, RowSide::kDeletes, row, needle));
  });
}

}  // namespace kestrin
