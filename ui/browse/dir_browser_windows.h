// The modal windows of directory browsing, made once after the main window
// and living as long as it: the like-name dialog TFrmLNm, the two-list dialog
// TFrmULNm and the directory lookup dialog TFrmDirLookUp2. The main window's
// RunDialogs opens them through this object, so that the run logic reaches
// them the same way it reaches message boxes; tests replace the modal loop
// with a script that acts on the shown window.
#ifndef KESTRIN_UI_BROWSE_DIR_BROWSER_WINDOWS_H_
#define KESTRIN_UI_BROWSE_DIR_BROWSER_WINDOWS_H_

#include <functional>
#include <string>

#include "engine/file_system.h"
#include "run/like_name_dialog.h"
#include "run/run_dialogs.h"
#include "run/two_list_dialog.h"
#include "views/dir_browser_lookup.h"

class QDialog;
class QWidget;

namespace kestrin {

class TFrmDirLookUp2;
class TFrmLNm;
class TFrmULNm;

class DirBrowserWindows {
 public:
  // Shows a window modally and returns when it has closed.
  using ModalLoop = std::function<void(QDialog& window)>;

  // Makes the three windows, modal over `owner`, which owns them. `target`,
  // `dialogs` and `fs` must outlive this object.
  DirBrowserWindows(QWidget* owner, LookupNamesTarget& target, RunDialogs& dialogs, FileSystem& fs);

  // Replaces QDialog::exec as the way every window here is shown.
  void SetModalLoop(ModalLoop loop) { modal_loop_ = std::move(loop); }

  // RunDialogs' windows: each returns when its window has closed.
  void ShowLikeNameDialog(LikeNameDialog& dialog);
  void ShowTwoListDialog(TwoListDialog& dialog);
  // Hides the pair dialog being shown while the run started from it lasts.
  void HidePairDialog();
  void ShowDirectoryLookup(const std::string& new_directory, const std::string& old_directory);

  TFrmLNm& LikeNameWindow() { return *like_name_; }
  TFrmULNm& TwoListWindow() { return *two_list_; }
  TFrmDirLookUp2& LookupWindow() { return *lookup_; }

 private:
  void ShowPairWindow(QDialog& window);

  TFrmLNm* like_name_;
  TFrmULNm* two_list_;
  TFrmDirLookUp2* lookup_;
  QDialog* shown_pair_window_ = nullptr;
  ModalLoop modal_loop_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_DIR_BROWSER_WINDOWS_H_
