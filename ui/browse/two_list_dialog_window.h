// TFrmULNm, the two-list pair dialog of compare type 4: the file lists of the
// two directories side by side with their filters, the pairs built from them
// and the buttons. It shows a TwoListDialog and forwards every click to it; a
// click whose answer is to close closes the window.
#ifndef KESTRIN_UI_BROWSE_TWO_LIST_DIALOG_WINDOW_H_
#define KESTRIN_UI_BROWSE_TWO_LIST_DIALOG_WINDOW_H_

#include <QDialog>

#include "run/two_list_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kestrin {

class TFrmULNm : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmULNm(QWidget* parent);

  // Shows `dialog`, which must outlive the window's next showing, and sends
  // the clicks to it from now on.
  void Display(TwoListDialog& dialog);

 private:
  // One directory's side: its file list, highlighted selection and filter.
  struct Side {
    QListWidget* files = nullptr;
    QLineEdit* selection = nullptr;
    QComboBox* filter = nullptr;
    QLabel* count = nullptr;
    QLabel* directory = nullptr;
  };

  // Shows both file lists (after an opening or a filter) and the rest.
  void RefreshListings();
  // Shows everything but the file lists.
  void Refresh();
  // Shows the two highlighted-selection fields.
  void ShowSelections();
  void Act(DialogNext next);
  TwoListDialog& Dialog();

  TwoListDialog* dialog_ = nullptr;
  Side new_side_;
  Side old_side_;
  QListWidget* selected_ = nullptr;
  QLabel* selected_count_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_TWO_LIST_DIALOG_WINDOW_H_
