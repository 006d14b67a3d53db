// The Dir/File Select page of the main window as plain logic: the returned
// new and old names, the file field, and the rules of its buttons over one
// directory browser. The page widget displays it and forwards clicks; the
// lookup dialog's names reach it through LookupNamesTarget.
#ifndef KESTRIN_VIEWS_DIR_BROWSER_SELECT_H_
#define KESTRIN_VIEWS_DIR_BROWSER_SELECT_H_

#include <string>

#include "engine/file_system.h"
#include "run/main_view.h"
#include "run/run_dialogs.h"
#include "views/dir_browser_model.h"

namespace kestrin {

// Where the page's Return leads.
enum class SelectPageExit {
  kStay,                // stay on the page
  kMainPanel,           // back to the Main Panel, the name fields as they are
  kMainPanelWithNames,  // the name fields take the returned names, then the Main Panel
};

class DirSelectModel {
 public:
  // `view`, `dialogs` and `fs` must outlive the model.
  DirSelectModel(MainView& view, RunDialogs& dialogs, FileSystem& fs);

  DirBrowserModel& Browser() { return browser_; }
  const DirBrowserModel& Browser() const { return browser_; }
  // "New Dir/File:" and "Old  Dir/File:".
  const std::string& ReturnedName(NameField field) const;
  void SetReturnedName(NameField field, const std::string& name);
  // The file field: the name of the file last clicked in the file list.
  const std::string& FileField() const { return file_field_; }

  // Entering the page: clears the file field, then places the returned names,
  // the directory list and the file list on the main window's name fields.
  void Enter();
  // "New Dir " and "Old  Dir": D becomes the returned name when H is D;
  // otherwise a question offers to go back and double-click H.
  void UseAsDirClicked(NameField field);
  // " New File" and "Old  File": the highlighted file's full path becomes the
  // returned name when it exists and H is D.
  void UseAsFileClicked(NameField field);
  // A click on row `row` of the file list.
  void FileClicked(int row);
  // "    Return": asks first when a returned name is a file while a directory
  // compare type is chosen; puts the names it returns into the histories.
  SelectPageExit ReturnClicked();

 private:
  // What one name field gives the page: a place to show and open.
  enum class PlaceKind { kNone, kFile, kDirectory, kDirectoryPart };
  struct Place {
    PlaceKind kind = PlaceKind::kNone;
    std::string shown;      // the returned name
    std::string directory;  // the directory the lists open
    std::string file;       // the file highlighted, for kFile
  };
  Place PlaceOf(const std::string& name) const;
  // Opens the place's directory and highlights its file.
  void MoveTo(const Place& place);
  std::string& Returned(NameField field);

  MainView& view_;
  RunDialogs& dialogs_;
  FileSystem& fs_;
  DirBrowserModel browser_;
  std::string returned_new_;
  std::string returned_old_;
  std::string file_field_;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DIR_BROWSER_SELECT_H_
