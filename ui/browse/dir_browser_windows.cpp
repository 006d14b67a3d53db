// Making and showing the pair dialogs and the directory lookup dialog.
#include "ui/browse/dir_browser_windows.h"

#include <QDialog>

#include "ui/browse/dir_lookup_dialog.h"
#include "ui/browse/like_name_dialog_window.h"
#include "ui/browse/two_list_dialog_window.h"

namespace kestrin {

DirBrowserWindows::DirBrowserWindows(QWidget* owner, LookupNamesTarget& target, RunDialogs& dialogs,
                                     FileSystem& fs)
    : like_name_(new TFrmLNm(owner)),
      two_list_(new TFrmULNm(owner)),
      lookup_(new TFrmDirLookUp2(target, dialogs, fs, owner)),
      modal_loop_([](QDialog& window) { window.exec(); }) {}

void DirBrowserWindows::ShowLikeNameDialog(LikeNameDialog& dialog) {
  like_name_->Display(dialog);
  ShowPairWindow(*like_name_);
}

void DirBrowserWindows::ShowTwoListDialog(TwoListDialog& dialog) {
  two_list_->Display(dialog);
  ShowPairWindow(*two_list_);
}

void DirBrowserWindows::ShowPairWindow(QDialog& window) {
  shown_pair_window_ = &window;
  modal_loop_(window);
  shown_pair_window_ = nullptr;
}

void DirBrowserWindows::HidePairDialog() {
  if (shown_pair_window_ != nullptr) shown_pair_window_->hide();
}

void DirBrowserWindows::ShowDirectoryLookup(const std::string& new_directory,
                                            const std::string& old_directory) {
  lookup_->Prefill(new_directory, old_directory);
  modal_loop_(*lookup_);
}

}  // namespace kestrin
