// The directory lookup dialog's controls, their layout and the clicks they
// forward.
#include "ui/browse/dir_lookup_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/browse/dir_browser.h"
#include "ui/browse/dir_browser_parts.h"
#include "ui/common/page_parts.h"
#include "views/dir_browser_texts.h"

namespace kestrin {
namespace {

constexpr DirBrowserLook kLookupLook = {"DL", kLookupUseAsDirPathCaption, kLookupFileListCaption,
                                        kLookupReferenceOnlyCaption};
constexpr int kLookupWidth = 780;
constexpr int kLookupHeight = 560;

}  // namespace

TFrmDirLookUp2::TFrmDirLookUp2(LookupNamesTarget& target, RunDialogs& dialogs, FileSystem& fs,
                               QWidget* parent)
    : QDialog(parent), target_(target), model_(dialogs, fs) {
  setObjectName("TFrmDirLookUp2");
  setWindowTitle(QString::fromUtf8(kLookupTitle));
  browser_ = new DirBrowser(model_.Browser(), dialogs, kLookupLook);
  new_name_ = MakeReadOnlyField("DLEdNewDirName");
  old_name_ = MakeReadOnlyField("DLEdOldDirName");
  QPushButton* new_dir = MakeDialogButton("DLBtnNewDir", kLookupNewDirCaption, kLookupNewDirHint);
  QPushButton* old_dir = MakeDialogButton("DLBtnOldDir", kLookupOldDirCaption, kLookupOldDirHint);
  QPushButton* return_button =
      MakeDialogButton("DLBtnReturn", kLookupReturnCaption, kLookupReturnHint);
  QPushButton* cancel = MakeDialogButton("DLBtnCancel", kLookupCancelCaption, kLookupCancelHint);

  QGroupBox* use_as = MakeGroup(kLookupUseAsGroupCaption, {new_dir, old_dir});
  auto* returned = new QGroupBox(QString::fromUtf8(kLookupReturnedCaption));
  auto* names = new QFormLayout(returned);
  names->addRow(MakePlainLabel(QString::fromUtf8(kLookupNewNameCaption)), new_name_);
  names->addRow(MakePlainLabel(QString::fromUtf8(kLookupOldNameCaption)), old_name_);
  auto* choices = new QHBoxLayout;
  choices->addWidget(use_as);
  choices->addWidget(returned, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(choices);
  layout->addLayout(ButtonsRow({return_button, cancel}));
  resize(kLookupWidth, kLookupHeight);

  connect(new_dir, &QPushButton::clicked, this, [this] {
    model_.NewDirClicked();
    Display();
  });
  connect(old_dir, &QPushButton::clicked, this, [this] {
    model_.OldDirClicked();
    Display();
  });
  connect(return_button, &QPushButton::clicked, this, &TFrmDirLookUp2::ReturnClicked);
  connect(cancel, &QPushButton::clicked, this, &TFrmDirLookUp2::reject);
}

void TFrmDirLookUp2::Prefill(const std::string& new_directory, const std::string& old_directory) {
  browser_->ReadDrives();
  model_.Prefill(new_directory, old_directory);
  browser_->Display();
  Display();
}

void TFrmDirLookUp2::Display() {
  ShowText(new_name_, model_.Names().new_name);
  ShowText(old_name_, model_.Names().old_name);
}

void TFrmDirLookUp2::ReturnClicked() {
  model_.ReturnClicked(target_);
  accept();
}

void TFrmDirLookUp2::reject() {
  model_.CancelClicked(target_);
  Display();
  QDialog::reject();
}

}  // namespace kestrin
