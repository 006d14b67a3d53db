// The viewers' find dialog: a modeless dialog asking for a text and a
// direction, which sends a find-next request for every press of Find Next.
#ifndef KESTRIN_UI_VIEWER_FIND_DIALOG_H_
#define KESTRIN_UI_VIEWER_FIND_DIALOG_H_

#include <QDialog>

#include "ui/viewer/viewer_find.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrin {

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent = nullptr);

  // Shows the dialog with the direction preset to down and its text
  // selected for typing over.
  void Open();
  // Sends one find-next request for the current text and direction.
  void RequestFindNext();

  QLineEdit& TextField() { return *text_; }
  QRadioButton& UpChoice() { return *up_; }
  QRadioButton& DownChoice() { return *down_; }
  QCheckBox& WholeWordBox() { return *whole_word_; }
  QCheckBox& MatchCaseBox() { return *match_case_; }
  FindDirection Direction() const;

 Q_SIGNALS:
  void FindNextRequested(const QString& text, kestrin::FindDirection direction);

 private:
  QLineEdit* text_;
  QCheckBox* whole_word_;
  QCheckBox* match_case_;
  QRadioButton* up_;
  QRadioButton* down_;
  QPushButton* find_next_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_FIND_DIALOG_H_
