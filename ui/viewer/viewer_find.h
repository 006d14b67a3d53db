// Find in a report viewer: the search text rules and the row search of the
// single and the dual panel, on the rows as they are displayed.
#ifndef KESTRIN_UI_VIEWER_VIEWER_FIND_H_
#define KESTRIN_UI_VIEWER_VIEWER_FIND_H_

#include <QString>
#include <cstdint>
#include <optional>

#include "report/report_lines.h"

namespace kestrin {

enum class FindDirection { kUp, kDown };

// One find-next request from the find dialog.
struct FindRequest {
  QString typed;  // the dialog's text as typed
  FindDirection direction = FindDirection::kDown;
  int64_t selected_row = 0;  // the (left) list's selected row; the search starts beside it
};

// The dual panel searches at most this many characters of the typed text.
inline constexpr qsizetype kDualSearchLength = 128;

// The text searched for: `typed` without leading and trailing blanks,
// lower-cased, and cut to `max_length` characters when given.
QString SearchText(const QString& typed, std::optional<qsizetype> max_length);

// The first row of Primary after (down) or before (up) the selected row whose
// displayed row text contains the search text in any letter case; nothing
// when there is none, no wrap-around. An empty search text finds nothing.
std::optional<int64_t> FindSingleRow(const ReportLines& report, const FindRequest& request);

// As FindSingleRow over the left list's rows, testing each row on the left and
// then, where the right list has that row, on the right; the search text is
// cut to kDualSearchLength. The found row is to be selected in both lists.
std::optional<int64_t> FindDualRow(const ReportLines& report, const FindRequest& request);

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_FIND_H_
