// The directory lookup dialog as plain logic: the new and old directory
// names it returns, and the rules of its buttons over one directory browser.
// The pair dialogs open it; what it returns becomes the main window's names.
#ifndef KESTRIN_VIEWS_DIR_BROWSER_LOOKUP_H_
#define KESTRIN_VIEWS_DIR_BROWSER_LOOKUP_H_

#include <string>

#include "engine/file_system.h"
#include "run/run_dialogs.h"
#include "views/dir_browser_model.h"

namespace kestrin {

// A new and an old directory name.
struct DirNames {
  std::string new_name;
  std::string old_name;
};

// The main window as the lookup's Return and Cancel reach it.
class LookupNamesTarget {
 public:
  virtual ~LookupNamesTarget() = default;
  // The name fields' texts as the main window last remembered them.
  virtual DirNames RememberedNames() const = 0;
  // Sets the two name fields and the Dir/File Select page's returned names.
  virtual void TakeLookupNames(const DirNames& names) = 0;
};

class DirLookupModel {
 public:
  // `dialogs` and `fs` must outlive the model.
  DirLookupModel(RunDialogs& dialogs, FileSystem& fs);

  DirBrowserModel& Browser() { return browser_; }
  const DirBrowserModel& Browser() const { return browser_; }
  // "New Dir Name:" and "Old  Dir Name:".
  const DirNames& Names() const { return names_; }

  // The opener's directories: each non-empty one replaces its name (an empty
  // one leaves the name as the last opening left it), and the directory list
  // opens on the new one.
  void Prefill(const std::string& new_directory, const std::string& old_directory);
  // " &New Dir": the full path of H, without a question.
  void NewDirClicked();
  // " &Old Dir": D when H is D; otherwise a question offers D (Yes) or a
  // return to the list (No).
  void OldDirClicked();
  // "    &Return": the main window takes both names.
  void ReturnClicked(LookupNamesTarget& target) const;
  // "    &Cancel" (and closing the window): both names go back to the main
  // window's remembered texts; its name fields stay as they are.
  void CancelClicked(const LookupNamesTarget& target);

 private:
  RunDialogs& dialogs_;
  DirBrowserModel browser_;
  DirNames names_;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DIR_BROWSER_LOOKUP_H_
