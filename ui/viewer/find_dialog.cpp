// The find dialog's controls. Whole-word matching is not offered and case is
// always ignored, so those two choices are hidden and disabled.
#include "ui/viewer/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/display_text.h"
#include "ui/common/screen_fit.h"
#include "views/viewer_texts.h"

namespace kestrin {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      text_(new QLineEdit(this)),
      whole_word_(new QCheckBox(DisplayText(kFindWholeWordCaption), this)),
      match_case_(new QCheckBox(DisplayText(kFindMatchCaseCaption), this)),
      up_(new QRadioButton(DisplayText(kFindUpCaption), this)),
      down_(new QRadioButton(DisplayText(kFindDownCaption), this)),
      find_next_(new QPushButton(DisplayText(kFindNextCaption), this)) {
  setWindowTitle(DisplayText(kFindCaption));
  setModal(false);
  whole_word_->hide();
  match_case_->setEnabled(false);
  down_->setChecked(true);

  auto* what = new QLabel(DisplayText(kFindWhatLabel), this);
  what->setBuddy(text_);
  auto* direction = new QGroupBox(DisplayText(kFindDirectionTitle), this);
  auto* direction_layout = new QHBoxLayout(direction);
  direction_layout->addWidget(up_);
  direction_layout->addWidget(down_);

  auto* cancel = new QPushButton(DisplayText(kFindCancelCaption), this);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(find_next_);
  buttons->addWidget(cancel);
  buttons->addStretch(1);

  auto* fields = new QGridLayout;
  fields->addWidget(what, 0, 0);
  fields->addWidget(text_, 0, 1, 1, 2);
  fields->addWidget(whole_word_, 1, 0, 1, 2);
  fields->addWidget(match_case_, 2, 0, 1, 2);
  fields->addWidget(direction, 1, 2, 2, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);

  MakeOnlyDefault(*find_next_);
  connect(find_next_, &QPushButton::clicked, this, &FindDialog::RequestFindNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::Open() {
  down_->setChecked(true);
  show();
  raise();
  activateWindow();
  text_->setFocus();
  text_->selectAll();
}

void FindDialog::RequestFindNext() { Q_EMIT FindNextRequested(text_->text(), Direction()); }

FindDirection FindDialog::Direction() const {
  return up_->isChecked() ? FindDirection::kUp : FindDirection::kDown;
}

}  // namespace kestrin
