// TFrmSbS: the side-by-side save preference window of the dual-panel viewer,
// created once and keeping its title and check boxes until the program ends.
#ifndef KESTRIN_UI_PRINT_SAVE_SBS_WINDOW_H_
#define KESTRIN_UI_PRINT_SAVE_SBS_WINDOW_H_

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "views/sbs_preference.h"

namespace kestrin {

class TFrmSbS : public QDialog, public SbsPreferenceDialog {
  Q_OBJECT

 public:
  explicit TFrmSbS(QWidget* parent = nullptr);

  // Shows the window modally, set up for `request`; "&Use" answers with the
  // controls' choice, "&Cancel", Escape and the close box with nullopt.
  std::optional<SbsAnswer> AskSbsPreference(const SbsRequest& request) override;

  // Sets the controls for `request` without showing the window.
  void Prepare(const SbsRequest& request);
  // The state the controls show.
  SbsControls Controls() const;

 private:
  QRadioButton* SbsRdSingle;
  QLabel* SbsCapNorm;
  QRadioButton* SbsRdDouble;
  QLabel* SbsCapSbs;
  QCheckBox* SbsCkTitle;
  QLineEdit* SbsEdTitle;
  QCheckBox* SbsCkAppend;
  QPushButton* SbsButUse;
  QPushButton* SbsButCancel;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_SBS_WINDOW_H_
