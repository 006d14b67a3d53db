// The Dir/File Select page: placing it on the current names, Use As Dir, Use
// As File and Return.
#include "views/dir_browser_select.h"

#include <algorithm>

#include "engine/path.h"
#include "run/run_controller.h"
#include "views/dir_browser_texts.h"

namespace kestrin {

DirSelectModel::DirSelectModel(MainView& view, RunDialogs& dialogs, FileSystem& fs)
    : view_(view), dialogs_(dialogs), fs_(fs), browser_(fs) {}

const std::string& DirSelectModel::ReturnedName(NameField field) const {
  return field == NameField::kNew ? returned_new_ : returned_old_;
}

std::string& DirSelectModel::Returned(NameField field) {
  return field == NameField::kNew ? returned_new_ : returned_old_;
}

void DirSelectModel::SetReturnedName(NameField field, const std::string& name) {
  Returned(field) = name;
}

DirSelectModel::Place DirSelectModel::PlaceOf(const std::string& name) const {
  if (name.empty()) return {};
  const std::string part = DirectoryPart(name);
  if (fs_.IsFile(name)) {
    // A bare file name lies in the working directory.
    return {PlaceKind::kFile, name, NormalDirectory(part.empty() ? "." : part), NamePart(name)};
  }
  if (fs_.IsDirectory(name)) return {PlaceKind::kDirectory, name, name, {}};
  if (!part.empty() && fs_.IsDirectory(part)) {
    const std::string directory = NormalDirectory(part);
    return {PlaceKind::kDirectoryPart, directory, directory, {}};
  }
  return {};
}

void DirSelectModel::MoveTo(const Place& place) {
  browser_.Open(place.directory);
  if (place.kind == PlaceKind::kFile && browser_.HighlightFileNamed(place.file)) {
    file_field_ = browser_.HighlightedFileName();
  }
}

void DirSelectModel::Enter() {
  file_field_.clear();
  browser_.IncludeSubdirectories(view_.SubdirectoriesIncluded());
  const Place new_place = PlaceOf(view_.NameText(NameField::kNew));
  const Place old_place = PlaceOf(view_.NameText(NameField::kOld));
  if (new_place.kind != PlaceKind::kNone) returned_new_ = new_place.shown;
  if (old_place.kind != PlaceKind::kNone) returned_old_ = old_place.shown;
  // The lists follow the new name; the old name moves them only when the new
  // name did not give a place of the same kind.
  if (new_place.kind != PlaceKind::kNone) MoveTo(new_place);
  if (old_place.kind != PlaceKind::kNone && old_place.kind != new_place.kind) MoveTo(old_place);
  if (new_place.kind == PlaceKind::kNone && old_place.kind == PlaceKind::kNone) browser_.Reload();
}

void DirSelectModel::UseAsDirClicked(NameField field) {
  file_field_.clear();
  const std::string& open = browser_.OpenDirectory();
  if (browser_.HighlightedIsOpen() ||
      !dialogs_.AskYesNo(UseAsDirQuestion(browser_.HighlightedEntry(), open))) {
    Returned(field) = open;
  }
}

void DirSelectModel::UseAsFileClicked(NameField field) {
  const std::string path = browser_.HighlightedFilePath();
  if (path.empty() || !fs_.IsFile(path)) {
    dialogs_.ShowMessage(kInvalidFileNameMessage);
  } else if (browser_.HighlightedIsOpen()) {
    Returned(field) = path;
  } else {
    dialogs_.ShowMessage(UseAsFileMessage(browser_.HighlightedEntry(), browser_.OpenDirectory()));
  }
}

void DirSelectModel::FileClicked(int row) {
  browser_.HighlightFile(row);
  file_field_ = browser_.HighlightedFileName();
}

SelectPageExit DirSelectModel::ReturnClicked() {
  const bool names_a_file = fs_.IsFile(returned_new_) || fs_.IsFile(returned_old_);
  if (names_a_file && view_.CompareTypeText() != kCompareTypeTexts[0]) {
    return dialogs_.AskYesNo(kFileNameConflictQuestion) ? SelectPageExit::kMainPanel
                                                        : SelectPageExit::kStay;
  }
  for (NameField field : {NameField::kNew, NameField::kOld}) {
    const std::string& name = ReturnedName(field);
    const std::vector<std::string> history = view_.NameHistory(field);
    if (!name.empty() && std::find(history.begin(), history.end(), name) == history.end()) {
      view_.InsertNameHistoryTop(field, name);
    }
  }
  return SelectPageExit::kMainPanelWithNames;
}

}  // namespace kestrin
