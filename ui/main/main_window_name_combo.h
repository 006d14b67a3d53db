// A name field of the Main Panel: an editable drop-down whose rows are the
// field's history, which tells the window when its drop-down opens and when
// the user leaves it.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_NAME_COMBO_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_NAME_COMBO_H_

#include <QComboBox>
#include <string>
#include <vector>

#include "views/name_history_model.h"

namespace kestrin {

class NameComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit NameComboBox(QWidget* parent);

  std::string Text() const;
  void SetText(const std::string& text);

  const NameHistoryModel& History() const { return history_; }
  // Applies `change`, which returns whether it changed the history, and
  // shows the result; the field's text stays as it is. Returns what `change`
  // returned.
  template <typename Change>
  bool ChangeHistory(Change change) {
    const bool changed = change(history_);
    if (changed) ShowHistory();
    return changed;
  }
  // Makes the top history row the field's choice.
  void SelectTop() { setCurrentIndex(0); }

  // Opens the drop-down, after telling the window.
  void showPopup() override;

 Q_SIGNALS:
  // The drop-down is about to open.
  void PopupOpening();
  // The keyboard focus has moved from this field to another control.
  void Left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ShowHistory();

  NameHistoryModel history_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_NAME_COMBO_H_
