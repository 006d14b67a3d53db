// The Dir/File Select page's controls, their layout and the clicks they
// forward.
#include "ui/main/dir_select_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/browse/dir_browser.h"
#include "ui/browse/dir_browser_parts.h"
#include "ui/common/page_parts.h"
#include "ui/main/main_window.h"
#include "views/dir_browser_texts.h"

namespace kestrin {
namespace {

constexpr DirBrowserLook kPageLook = {"DS", kPageUseAsDirPathCaption, nullptr, nullptr};

}  // namespace

DirSelectPage::DirSelectPage(TFrmMain& main, FileSystem& fs, RunDialogs& dialogs)
    : main_(main), model_(main, dialogs, fs) {
  setObjectName("DSPage");
  browser_ = new DirBrowser(model_.Browser(), dialogs, kPageLook);
  returned_new_ = MakeReadOnlyField("DSEdReturnedNew");
  returned_old_ = MakeReadOnlyField("DSEdReturnedOld");
  file_field_ = MakeReadOnlyField("DSEdFile");
  QPushButton* new_dir = MakeButton("DSBtnNewDir", kPageNewDirCaption, kPageNewDirHint);
  QPushButton* old_dir = MakeButton("DSBtnOldDir", kPageOldDirCaption, kPageOldDirHint);
  QPushButton* new_file = MakeButton("DSBtnNewFile", kPageNewFileCaption, kPageNewFileHint);
  QPushButton* old_file = MakeButton("DSBtnOldFile", kPageOldFileCaption, kPageOldFileHint);
  QPushButton* return_button = MakeButton("DSBtnReturn", kPageReturnCaption, kPageReturnHint);
  QPushButton* cancel = MakeButton("DSBtnCancel", kPageCancelCaption, kPageCancelHint);

  auto* choices = new QVBoxLayout;
  choices->addWidget(MakeGroup(kUseAsDirGroupCaption, {new_dir, old_dir}));
  choices->addWidget(MakeGroup(kUseAsFileGroupCaption, {file_field_, new_file, old_file}));
  choices->addStretch();
  auto* browse_row = new QHBoxLayout;
  browse_row->addWidget(browser_, 1);
  browse_row->addLayout(choices);

  auto* returned = new QGroupBox(QString::fromUtf8(kReturnedNamesCaption));
  auto* names = new QFormLayout(returned);
  names->addRow(MakePlainLabel(QString::fromUtf8(kReturnedNewCaption)), returned_new_);
  names->addRow(MakePlainLabel(QString::fromUtf8(kReturnedOldCaption)), returned_old_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(browse_row, 1);
  layout->addWidget(returned);
  layout->addLayout(ButtonsRow({return_button, cancel}));

  connect(browser_, &DirBrowser::FileHighlighted, this, [this](int row) {
    model_.FileClicked(row);
    Display();
  });
  const auto act = [this](auto action) {
    return [this, action] {
      action();
      Display();
    };
  };
  connect(new_dir, &QPushButton::clicked, this,
          act([this] { model_.UseAsDirClicked(NameField::kNew); }));
  connect(old_dir, &QPushButton::clicked, this,
          act([this] { model_.UseAsDirClicked(NameField::kOld); }));
  connect(new_file, &QPushButton::clicked, this,
          act([this] { model_.UseAsFileClicked(NameField::kNew); }));
  connect(old_file, &QPushButton::clicked, this,
          act([this] { model_.UseAsFileClicked(NameField::kOld); }));
  connect(return_button, &QPushButton::clicked, this, &DirSelectPage::ReturnClicked);
  connect(cancel, &QPushButton::clicked, this, &DirSelectPage::CancelClicked);
}

void DirSelectPage::Enter() {
  browser_->ReadDrives();
  model_.Enter();
  browser_->Display();
  Display();
}

void DirSelectPage::Display() {
  ShowText(returned_new_, model_.ReturnedName(NameField::kNew));
  ShowText(returned_old_, model_.ReturnedName(NameField::kOld));
  ShowText(file_field_, model_.FileField());
}

void DirSelectPage::ReturnClicked() {
  switch (model_.ReturnClicked()) {
    case SelectPageExit::kStay:
      return;
    case SelectPageExit::kMainPanelWithNames:
      SetNameFields(model_.ReturnedName(NameField::kNew), model_.ReturnedName(NameField::kOld));
      break;
    case SelectPageExit::kMainPanel:
      break;
  }
  main_.GoToPage(MainPage::kMainPanel);
}

void DirSelectPage::CancelClicked() {
  const NameTexts& remembered = main_.RememberedNames();
  SetNameFields(remembered.new_name, remembered.old_name);
  main_.GoToPage(MainPage::kMainPanel);
}

void DirSelectPage::SetNameFields(const std::string& new_name, const std::string& old_name) {
  main_.SetNameText(NameField::kNew, new_name);
  main_.SetNameText(NameField::kOld, old_name);
}

DirNames DirSelectPage::RememberedNames() const {
  const NameTexts& remembered = main_.RememberedNames();
  return {remembered.new_name, remembered.old_name};
}

void DirSelectPage::TakeLookupNames(const DirNames& names) {
  SetNameFields(names.new_name, names.old_name);
  model_.SetReturnedName(NameField::kNew, names.new_name);
  model_.SetReturnedName(NameField::kOld, names.old_name);
  Display();
}

}  // namespace kestrin
