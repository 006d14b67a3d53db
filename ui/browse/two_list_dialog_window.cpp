// The two-list pair dialog's controls, their layout and the clicks they
// forward.
#include "ui/browse/two_list_dialog_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <cassert>

#include "run/run_texts.h"
#include "ui/browse/dir_browser_parts.h"
#include "ui/common/page_parts.h"
#include "ui/common/qt_strings.h"
#include "views/like_name_dialog_texts.h"

namespace kestrin {
namespace {

constexpr int kTwoListWidth = 780;
constexpr int kTwoListHeight = 620;

// The names of one side's controls and its captions.
struct SideLook {
  const char* files_name;
  const char* selection_name;
  const char* filter_name;
  const char* count_name;
  const char* directory_name;
  const char* directory_caption;
  const char* filter_caption;
  const char* selection_caption;
  const char* count_caption;
};

constexpr SideLook kNewLook = {"ULLbNewFiles",
                               "ULEdNewSelection",
                               "ULCbNewFilter",
                               "ULLblNewCount",
                               "ULLblNewDir",
                               kTwoListNewDirCaption,
                               kTwoListNewFilterCaption,
                               kTwoListNewSelectionCaption,
                               kTwoListNewCountCaption};
constexpr SideLook kOldLook = {"ULLbOldFiles",
                               "ULEdOldSelection",
                               "ULCbOldFilter",
                               "ULLblOldCount",
                               "ULLblOldDir",
                               kTwoListOldDirCaption,
                               kTwoListOldFilterCaption,
                               kTwoListOldSelectionCaption,
                               kTwoListOldCountCaption};

}  // namespace

TFrmULNm::TFrmULNm(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmULNm");
  setWindowTitle(QString::fromUtf8(kTwoListDialogTitle));
  auto* sides = new QGridLayout;
  const auto build_side = [sides](Side& side, const SideLook& look, int column) {
    side.files = MakePairList(look.files_name, false);
    side.selection = MakeReadOnlyField(look.selection_name);
    side.filter = MakeFilterField(look.filter_name);
    auto* filter_row = new QHBoxLayout;
    filter_row->addWidget(MakePlainLabel(QString::fromUtf8(look.filter_caption)));
    filter_row->addWidget(side.filter, 1);
    sides->addLayout(
        MakeCaptionedLabel(look.directory_caption, look.directory_name, &side.directory), 0,
        column);
    sides->addLayout(filter_row, 1, column);
    sides->addWidget(side.files, 2, column);
    sides->addWidget(MakePlainLabel(QString::fromUtf8(look.selection_caption)), 3, column);
    sides->addWidget(side.selection, 4, column);
    sides->addLayout(MakeCaptionedLabel(look.count_caption, look.count_name, &side.count), 5,
                     column);
  };
  build_side(new_side_, kNewLook, 0);
  build_side(old_side_, kOldLook, 2);
  // The arrow between the lists: the two highlighted files make one pair.
  auto* arrow = new QLabel;
  arrow->setPixmap(style()->standardIcon(QStyle::SP_ArrowRight).pixmap(24, 24));
  sides->addWidget(arrow, 2, 1);
  sides->setColumnStretch(0, 1);
  sides->setColumnStretch(2, 1);

  QPushButton* select_pair =
      MakeDialogButton("ULBtnSelectPair", kSelectPairCaption, kSelectPairHint);
  select_pair->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  QPushButton* undo = MakeDialogButton("ULBtnUndo", kUndoSelectedCaption, kUndoSelectedHint);
  QPushButton* start = MakeDialogButton("ULBtnStart", kPairStartCaption, kPairStartHint);
  QPushButton* return_button = MakeDialogButton("ULBtnReturn", kPairReturnCaption, kPairReturnHint);
  QPushButton* lookup =
      MakeDialogButton("ULBtnDirLookUp", kPairDirLookUpCaption, kPairDirLookUpHint);
  selected_ = MakePairList("ULSelListBox", true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sides, 2);
  layout->addLayout(ButtonsRow({select_pair, undo}));
  layout->addWidget(selected_, 1);
  layout->addLayout(
      MakeCaptionedLabel(kTwoListSelectedCountCaption, "ULLblSelectedCount", &selected_count_));
  layout->addLayout(ButtonsRow({start, return_button, lookup}));
  resize(kTwoListWidth, kTwoListHeight);

  connect(new_side_.files, &QListWidget::currentRowChanged, this, [this](int row) {
    Dialog().HighlightNew(row);
    ShowSelections();
  });
  connect(old_side_.files, &QListWidget::currentRowChanged, this, [this](int row) {
    Dialog().HighlightOld(row);
    ShowSelections();
  });
  connect(new_side_.filter->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    Dialog().NewFilterEntered(FromQt(new_side_.filter->currentText()));
    RefreshListings();
  });
  connect(old_side_.filter->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    Dialog().OldFilterEntered(FromQt(old_side_.filter->currentText()));
    RefreshListings();
  });
  connect(select_pair, &QPushButton::clicked, this, [this] { Act(Dialog().SelectPairClicked()); });
  connect(undo, &QPushButton::clicked, this,
          [this] { Act(Dialog().UndoSelectedClicked(HighlightedRows(selected_))); });
  connect(start, &QPushButton::clicked, this, [this] { Act(Dialog().StartCompareClicked()); });
  connect(return_button, &QPushButton::clicked, this, [this] { Act(Dialog().ReturnClicked()); });
  connect(lookup, &QPushButton::clicked, this, [this] { Act(Dialog().DirLookUpClicked()); });
}

TwoListDialog& TFrmULNm::Dialog() {
  assert(dialog_ != nullptr && "the window is shown only after Display");
  return *dialog_;
}

void TFrmULNm::Display(TwoListDialog& dialog) {
  dialog_ = &dialog;
  RefreshListings();
}

void TFrmULNm::RefreshListings() {
  const TwoListDialog& dialog = Dialog();
  ShowRows(new_side_.files, dialog.NewFiles());
  ShowRows(old_side_.files, dialog.OldFiles());
  ShowFilter(new_side_.filter, dialog.NewFilterText(), dialog.NewFilterHistory());
  ShowFilter(old_side_.filter, dialog.OldFilterText(), dialog.OldFilterHistory());
  Refresh();
}

void TFrmULNm::ShowSelections() {
  ShowText(new_side_.selection, Dialog().NewSelectionText());
  ShowText(old_side_.selection, Dialog().OldSelectionText());
}

void TFrmULNm::Refresh() {
  const TwoListDialog& dialog = Dialog();
  ShowSelections();
  new_side_.count->setText(ToQt(dialog.NewCountLabel()));
  old_side_.count->setText(ToQt(dialog.OldCountLabel()));
  new_side_.directory->setText(ToQt(dialog.NewPathCaption()));
  old_side_.directory->setText(ToQt(dialog.OldPathCaption()));
  ShowRows(selected_, dialog.SelectedPairs());
  selected_count_->setText(ToQt(dialog.SelectedCountLabel()));
}

void TFrmULNm::Act(DialogNext next) {
  Refresh();
  if (next == DialogNext::kClose) done(QDialog::Accepted);
}

}  // namespace kestrin
