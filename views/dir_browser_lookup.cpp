// The directory lookup dialog's names and buttons.
#include "views/dir_browser_lookup.h"

#include "views/dir_browser_texts.h"

namespace kestrin {

DirLookupModel::DirLookupModel(RunDialogs& dialogs, FileSystem& fs)
    : dialogs_(dialogs), browser_(fs) {}

void DirLookupModel::Prefill(const std::string& new_directory, const std::string& old_directory) {
  if (!new_directory.empty()) {
    names_.new_name = new_directory;
    browser_.Open(new_directory);
  } else {
    browser_.Reload();
  }
  if (!old_directory.empty()) names_.old_name = old_directory;
}

void DirLookupModel::NewDirClicked() { names_.new_name = browser_.HighlightedPath(); }

void DirLookupModel::OldDirClicked() {
  const std::string& open = browser_.OpenDirectory();
  if (browser_.HighlightedIsOpen() ||
      dialogs_.AskYesNo(LookupOldDirQuestion(browser_.HighlightedEntry(), open))) {
    names_.old_name = open;
  }
}

void DirLookupModel::ReturnClicked(LookupNamesTarget& target) const {
  target.TakeLookupNames(names_);
}

void DirLookupModel::CancelClicked(const LookupNamesTarget& target) {
  names_ = target.RememberedNames();
}

}  // namespace kestrin
