// The Dir/File Select page of the main window: the shared directory browser,
// the Use As Dir and Use As File buttons, the returned names and the file
// field, Return and Cancel. It shows a DirSelectModel and forwards clicks; it
// is also where the directory lookup dialog's Return and Cancel reach the
// main window.
#ifndef KESTRIN_UI_MAIN_DIR_SELECT_PAGE_H_
#define KESTRIN_UI_MAIN_DIR_SELECT_PAGE_H_

#include <QWidget>

#include "engine/file_system.h"
#include "run/run_dialogs.h"
#include "views/dir_browser_lookup.h"
#include "views/dir_browser_select.h"

class QLineEdit;

namespace kestrin {

class DirBrowser;
class TFrmMain;

class DirSelectPage : public QWidget, public LookupNamesTarget {
  Q_OBJECT

 public:
  // `main`, `fs` and `dialogs` must outlive the page.
  DirSelectPage(TFrmMain& main, FileSystem& fs, RunDialogs& dialogs);

  // Entering the page: clears the file field and places the page on the
  // main window's name fields.
  void Enter();

  // LookupNamesTarget: the main window's remembered name texts, and the
  // lookup's names into the name fields and this page's returned names.
  DirNames RememberedNames() const override;
  void TakeLookupNames(const DirNames& names) override;

 private:
  void Display();
  void ReturnClicked();
  void CancelClicked();
  void SetNameFields(const std::string& new_name, const std::string& old_name);

  TFrmMain& main_;
  DirSelectModel model_;
  DirBrowser* browser_ = nullptr;
  QLineEdit* returned_new_ = nullptr;
  QLineEdit* returned_old_ = nullptr;
  QLineEdit* file_field_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_DIR_SELECT_PAGE_H_
