// TFrmDirLookUp2, the directory lookup dialog "Kestrin  Directory Selection
// Panel": the pair dialogs open it modally to pick a new and an old
// directory by browsing. It shows a DirLookupModel and forwards clicks; its
// Return and Cancel reach the main window through LookupNamesTarget.
#ifndef KESTRIN_UI_BROWSE_DIR_LOOKUP_DIALOG_H_
#define KESTRIN_UI_BROWSE_DIR_LOOKUP_DIALOG_H_

#include <QDialog>
#include <string>

#include "engine/file_system.h"
#include "run/run_dialogs.h"
#include "views/dir_browser_lookup.h"

class QLineEdit;

namespace kestrin {

class DirBrowser;

class TFrmDirLookUp2 : public QDialog {
  Q_OBJECT

 public:
  // `target`, `dialogs` and `fs` must outlive the dialog.
  TFrmDirLookUp2(LookupNamesTarget& target, RunDialogs& dialogs, FileSystem& fs, QWidget* parent);

  // The opener's directories: each non-empty one fills its name, and the
  // directory list opens on the new one.
  void Prefill(const std::string& new_directory, const std::string& old_directory);
  const DirLookupModel& Model() const { return model_; }

  // Cancel, the Escape key and the window's close control: the names go
  // back to the main window's remembered texts.
  void reject() override;

 private:
  void Display();
  void ReturnClicked();

  LookupNamesTarget& target_;
  DirLookupModel model_;
  DirBrowser* browser_ = nullptr;
  QLineEdit* new_name_ = nullptr;
  QLineEdit* old_name_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_DIR_LOOKUP_DIALOG_H_
