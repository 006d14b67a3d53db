// TFrmLNm, the like-name pair dialog of compare type 3: the like-named files
// on offer, the ones selected, the sort choice, the filter and the buttons.
// It shows a LikeNameDialog and forwards every click to it; a click whose
// answer is to close closes the window.
#ifndef KESTRIN_UI_BROWSE_LIKE_NAME_DIALOG_WINDOW_H_
#define KESTRIN_UI_BROWSE_LIKE_NAME_DIALOG_WINDOW_H_

#include <QDialog>

#include "run/like_name_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace kestrin {

class TFrmLNm : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmLNm(QWidget* parent);

  // Shows `dialog`, which must outlive the window's next showing, and sends
  // the clicks to it from now on.
  void Display(LikeNameDialog& dialog);

 private:
  void Refresh();
  // Shows the dialog after a button and closes the window when told to.
  void Act(DialogNext next);
  LikeNameDialog& Dialog();

  LikeNameDialog* dialog_ = nullptr;
  QListWidget* available_ = nullptr;
  QListWidget* selected_ = nullptr;
  QLabel* paired_count_ = nullptr;
  QLabel* selected_count_ = nullptr;
  QLabel* new_path_ = nullptr;
  QLabel* old_path_ = nullptr;
  QRadioButton* by_name_ = nullptr;
  QRadioButton* by_extension_ = nullptr;
  QComboBox* filter_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_LIKE_NAME_DIALOG_WINDOW_H_
