// The name field: an editable drop-down kept in step with its history.
#include "ui/main/main_window_name_combo.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/common/qt_strings.h"

namespace kestrin {

namespace {
// Rows the open drop-down shows before it scrolls.
constexpr int kVisibleHistoryRows = 10;
}  // namespace

NameComboBox::NameComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // History entries that start with the typed text are offered in a list the
  // user picks from; the typed text itself is never replaced.
  auto* completer = new QCompleter(model(), this);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setCaseSensitivity(Qt::CaseSensitive);
  setCompleter(completer);
  setMaxVisibleItems(kVisibleHistoryRows);
  // Files dropped here belong to the window's drop rule, not to the text.
  lineEdit()->setAcceptDrops(false);
}

std::string NameComboBox::Text() const { return FromQt(currentText()); }

void NameComboBox::SetText(const std::string& text) { setEditText(ToQt(text)); }

void NameComboBox::ShowHistory() {
  const QString text = currentText();
  const QSignalBlocker blocker(this);
  clear();
  addItems(ToQtList(history_.Entries()));
  setCurrentIndex(-1);
  setEditText(text);
}

void NameComboBox::showPopup() {
  Q_EMIT PopupOpening();
  QComboBox::showPopup();
}

void NameComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  // The drop-down's own list and a switch to another program are no move to
  // another control.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    Q_EMIT Left();
  }
}

}  // namespace kestrin
