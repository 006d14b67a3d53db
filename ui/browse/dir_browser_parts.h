// Small builders the directory browsing windows share: read-only fields,
// dialog buttons that the Enter key never presses by itself, groups,
// filter fields with histories and captioned values.
#ifndef KESTRIN_UI_BROWSE_DIR_BROWSER_PARTS_H_
#define KESTRIN_UI_BROWSE_DIR_BROWSER_PARTS_H_

#include <initializer_list>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kestrin {

// A read-only field named `object_name`.
QLineEdit* MakeReadOnlyField(const char* object_name);

// A push button named `object_name` with `caption` and the hint `hint`; in a
// dialog, Enter (in a filter field, say) does not press it.
QPushButton* MakeDialogButton(const char* object_name, const char* caption, const char* hint);

// A group box captioned `caption` holding `widgets` one under the other.
QGroupBox* MakeGroup(const char* caption, std::initializer_list<QWidget*> widgets);

// Shows `text` in `field` from its first character on.
void ShowText(QLineEdit* field, const std::string& text);

// A filter field: an editable drop-down whose rows are its history; the
// window, not the field, decides what enters the history.
QComboBox* MakeFilterField(const char* object_name);
// Shows `text` in a filter field with `history` as its rows.
void ShowFilter(QComboBox* field, const std::string& text, const std::vector<std::string>& history);

// A list whose rows the user highlights: several at once when `several`.
QListWidget* MakePairList(const char* object_name, bool several);
// Shows `rows` in `list`, none highlighted.
void ShowRows(QListWidget* list, const std::vector<std::string>& rows);
// The highlighted rows of `list` (0-based), in any order.
std::vector<int> HighlightedRows(const QListWidget* list);

// A caption and a label beside it named `object_name`, which is returned
// through `value`.
QLayout* MakeCaptionedLabel(const char* caption, const char* object_name, QLabel** value);

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_DIR_BROWSER_PARTS_H_
