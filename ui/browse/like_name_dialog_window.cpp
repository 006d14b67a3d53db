// The like-name pair dialog's controls, their layout and the clicks they
// forward.
#include "ui/browse/like_name_dialog_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cassert>

#include "run/run_texts.h"
#include "ui/browse/dir_browser_parts.h"
#include "ui/common/page_parts.h"
#include "ui/common/qt_strings.h"
#include "views/like_name_dialog_texts.h"

namespace kestrin {
namespace {

constexpr int kLikeNameWidth = 720;
constexpr int kLikeNameHeight = 540;

}  // namespace

TFrmLNm::TFrmLNm(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmLNm");
  setWindowTitle(QString::fromUtf8(kLikeNameDialogTitle));
  available_ = MakePairList("LNAvailLBx", true);
  selected_ = MakePairList("LNSelLBx", true);
  filter_ = MakeFilterField("LNCbFilter");
  by_name_ = new QRadioButton(QString::fromUtf8(kLikeNameSortByName));
  by_name_->setObjectName("LNRbFileName");
  by_extension_ = new QRadioButton(QString::fromUtf8(kLikeNameSortByExtension));
  by_extension_->setObjectName("LNRbExtension");
  auto* sort_choice = new QButtonGroup(this);
  sort_choice->addButton(by_name_);
  sort_choice->addButton(by_extension_);
  QPushButton* select =
      MakeDialogButton("LNBtnSelect", kSelectHighlightedCaption, kSelectHighlightedHint);
  QPushButton* unselect =
      MakeDialogButton("LNBtnUnselect", kUnselectHighlightedCaption, kUnselectHighlightedHint);
  QPushButton* select_all =
      MakeDialogButton("LNBtnSelectAll", kSelectAllPairedCaption, kSelectAllPairedHint);
  QPushButton* unselect_all =
      MakeDialogButton("LNBtnUnselectAll", kUnselectAllSelectedCaption, kUnselectAllSelectedHint);
  QPushButton* start = MakeDialogButton("LNBtnStart", kPairStartCaption, kPairStartHint);
  QPushButton* return_button = MakeDialogButton("LNBtnReturn", kPairReturnCaption, kPairReturnHint);
  QPushButton* lookup =
      MakeDialogButton("LNBtnDirLookUp", kPairDirLookUpCaption, kPairDirLookUpHint);

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* button : {select, unselect, select_all, unselect_all}) moves->addWidget(button);
  moves->addStretch();
  auto* lists = new QGridLayout;
  lists->addWidget(available_, 0, 0);
  lists->addLayout(moves, 0, 1);
  lists->addWidget(selected_, 0, 2);
  lists->addLayout(
      MakeCaptionedLabel(kLikeNamePairedCountCaption, "LNLblPairedCount", &paired_count_), 1, 0);
  lists->addLayout(
      MakeCaptionedLabel(kLikeNameSelectedCountCaption, "LNLblSelectedCount", &selected_count_), 1,
      2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);

  auto* choices = new QHBoxLayout;
  choices->addWidget(MakePlainLabel(QString::fromUtf8(kLikeNameSortCaption)));
  choices->addWidget(by_name_);
  choices->addWidget(by_extension_);
  choices->addStretch();
  choices->addWidget(MakePlainLabel(QString::fromUtf8(kLikeNameFilterCaption)));
  choices->addWidget(filter_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(MakeCaptionedLabel(kLikeNameNewPathCaption, "LNLblNewPath", &new_path_));
  layout->addLayout(MakeCaptionedLabel(kLikeNameOldPathCaption, "LNLblOldPath", &old_path_));
  layout->addLayout(lists, 1);
  layout->addLayout(choices);
  layout->addLayout(ButtonsRow({start, return_button, lookup}));
  resize(kLikeNameWidth, kLikeNameHeight);

  connect(select, &QPushButton::clicked, this,
          [this] { Act(Dialog().SelectHighlightedClicked(HighlightedRows(available_))); });
  connect(unselect, &QPushButton::clicked, this,
          [this] { Act(Dialog().UnselectHighlightedClicked(HighlightedRows(selected_))); });
  connect(select_all, &QPushButton::clicked, this,
          [this] { Act(Dialog().SelectAllPairedClicked()); });
  connect(unselect_all, &QPushButton::clicked, this,
          [this] { Act(Dialog().UnselectAllSelectedClicked()); });
  connect(start, &QPushButton::clicked, this, [this] { Act(Dialog().StartCompareClicked()); });
  connect(return_button, &QPushButton::clicked, this, [this] { Act(Dialog().ReturnClicked()); });
  connect(lookup, &QPushButton::clicked, this, [this] { Act(Dialog().DirLookUpClicked()); });
  connect(by_extension_, &QRadioButton::toggled, this, [this](bool by_extension) {
    Dialog().SortChosen(by_extension ? LikeNameSort::kExtension : LikeNameSort::kFileName);
    Refresh();
  });
  connect(filter_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    Dialog().FilterEntered(FromQt(filter_->currentText()));
    Refresh();
  });
}

LikeNameDialog& TFrmLNm::Dialog() {
  assert(dialog_ != nullptr && "the window is shown only after Display");
  return *dialog_;
}

void TFrmLNm::Display(LikeNameDialog& dialog) {
  dialog_ = &dialog;
  Refresh();
}

void TFrmLNm::Refresh() {
  const LikeNameDialog& dialog = Dialog();
  ShowRows(available_, dialog.Available());
  ShowRows(selected_, dialog.Selected());
  paired_count_->setText(ToQt(dialog.PairedCountLabel()));
  selected_count_->setText(ToQt(dialog.SelectedCountLabel()));
  new_path_->setText(ToQt(dialog.NewPathCaption()));
  old_path_->setText(ToQt(dialog.OldPathCaption()));
  {
    const QSignalBlocker block(by_extension_);
    (dialog.Sort() == LikeNameSort::kExtension ? by_extension_ : by_name_)->setChecked(true);
  }
  ShowFilter(filter_, dialog.FilterText(), dialog.FilterHistory());
}

void TFrmLNm::Act(DialogNext next) {
  Refresh();
  if (next == DialogNext::kClose) done(QDialog::Accepted);
}

}  // namespace kestrin
