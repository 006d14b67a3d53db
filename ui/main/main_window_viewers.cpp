// The report windows the main window makes and owns, and what the viewers
// read from the main window.
#include <QCheckBox>

#include "ui/main/main_window.h"
#include "ui/print_save/print_save_wiring.h"
#include "ui/print_save/sbs_window.h"

namespace kestrin {

void TFrmMain::MakeReportWindows() {
  viewers_ = std::make_unique<ReportViewers>(settings_.layout, *this, viewer_messages_, this);
  sbs_window_ = new TFrmSbS(this);
  const SaveChoices choices{settings_.OutFn, settings_.SbsRp};
  ConnectPrintAndSave(viewers_->SingleViewer(), *sbs_window_, choices);
  ConnectPrintAndSave(viewers_->DualViewer(), *sbs_window_, choices);
}

std::string TFrmMain::NewDirectoryText() const { return NameText(NameField::kNew); }

std::string TFrmMain::OldDirectoryText() const { return NameText(NameField::kOld); }

bool TFrmMain::SbslChecked() const {
  return preferences_.boxes[static_cast<int>(Preference::kSbsl)]->isChecked();
}

void TFrmMain::FocusExitButton() { SetFocus(MainFocus::kExit); }

}  // namespace kestrin
