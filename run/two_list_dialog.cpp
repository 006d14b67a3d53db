// The two-list pair dialog's lists, buttons and filters.
#include "run/two_list_dialog.h"

#include <algorithm>
#include <optional>

#include "engine/path.h"
#include "run/like_names.h"
#include "run/list_rows.h"
#include "run/run_controller.h"
#include "run/run_texts.h"

namespace kestrin {
namespace {

// A selected row split into its new and old name at the first " : ";
// nothing for a row without one.
std::optional<NamePair> SplitRow(const std::string& row) {
  const size_t separator = row.find(kPairSeparator);
  if (separator == std::string::npos) return std::nullopt;
  const size_t old_start = separator + std::string_view(kPairSeparator).size();
  return NamePair{row.substr(0, separator), row.substr(old_start)};
}

bool IsRowOf(const DirectoryListing& listing, int row) {
  return row >= 0 && static_cast<size_t>(row) < listing.names.size();
}

std::string HighlightedOrMask(const DirectoryListing& listing, int row) {
  return IsRowOf(listing, row) ? listing.names[row] : listing.mask;
}

void PutOnTop(std::vector<std::string>& history, const std::string& text) {
  if (std::find(history.begin(), history.end(), text) == history.end()) {
    history.insert(history.begin(), text);
  }
}

}  // namespace

std::string TwoListDialog::NewCountLabel() const { return CountLabel(new_listing_.names.size()); }

std::string TwoListDialog::OldCountLabel() const { return CountLabel(old_listing_.names.size()); }

std::string TwoListDialog::SelectedCountLabel() const { return CountLabel(selected_.size()); }

std::string TwoListDialog::NewSelectionText() const {
  return HighlightedOrMask(new_listing_, new_highlight_);
}

std::string TwoListDialog::OldSelectionText() const {
  return HighlightedOrMask(old_listing_, old_highlight_);
}

void TwoListDialog::HighlightNew(int row) { new_highlight_ = row; }

void TwoListDialog::HighlightOld(int row) { old_highlight_ = row; }

DialogNext TwoListDialog::SelectPairClicked() {
  // A side without a highlighted file shows its mask; asking the lists
  // themselves also covers a mask without "*".
  if (!IsRowOf(new_listing_, new_highlight_) || !IsRowOf(old_listing_, old_highlight_)) {
    controller_.Dialogs().ShowMessage(kSelectEachComponentMessage);
    return DialogNext::kStayOpen;
  }
  selected_.push_back(NewSelectionText() + kPairSeparator + OldSelectionText());
  return DialogNext::kStayOpen;
}

DialogNext TwoListDialog::UndoSelectedClicked(const std::vector<int>& rows) {
  if (TakeRows(selected_, rows).empty()) {
    controller_.Dialogs().ShowMessage(kNoPairsToUndoMessage);
  }
  return DialogNext::kStayOpen;
}

DialogNext TwoListDialog::StartCompareClicked() {
  std::vector<NamePair> pairs;
  for (const std::string& row : selected_) {
    const std::optional<NamePair> names = SplitRow(row);
    if (!names) continue;
    const auto new_name = new_listing_.OnDiskName(names->new_name);
    const auto old_name = old_listing_.OnDiskName(names->old_name);
    if (new_name && old_name) pairs.push_back({*new_name, *old_name});
  }
  return controller_.RunChosenPairs(pairs, kComparePickedPairs, new_listing_, old_listing_,
                                    kNoPairsSelectedMessage);
}

DialogNext TwoListDialog::DirLookUpClicked() {
  FileSystem& fs = controller_.Files();
  controller_.Dialogs().ShowDirectoryLookup(fs.IsDirectory(new_caption_) ? new_caption_ : "",
                                            fs.IsDirectory(old_caption_) ? old_caption_ : "");
  controller_.Flags().ReListRequested = true;
  if (new_listing_.names.empty()) {
    controller_.Dialogs().ShowMessage(std::string(kNoNewFilesMessage) + kLaterListingEnding);
  } else if (old_listing_.names.empty()) {
    controller_.Dialogs().ShowMessage(std::string(kNoOldFilesMessage) + kLaterListingEnding);
  } else {
    ShowDirectoryCaptions();
    ReconcileSelection();
  }
  return DialogNext::kClose;
}

void TwoListDialog::NewFilterEntered(const std::string& text) {
  new_listing_.mask = text.empty() ? kAllFilesMask : text;
  PutOnTop(new_filter_history_, new_listing_.mask);
  new_listing_.Refresh(controller_.Files());
  new_highlight_ = -1;
}

void TwoListDialog::OldFilterEntered(const std::string& text) {
  old_listing_.mask = text.empty() ? kAllFilesMask : text;
  PutOnTop(old_filter_history_, old_listing_.mask);
  old_listing_.Refresh(controller_.Files());
  old_highlight_ = -1;
}

void TwoListDialog::SetMasks(const std::string& mask) {
  new_listing_.mask = mask;
  old_listing_.mask = mask;
}

void TwoListDialog::IncludeSubdirectories(bool included) {
  new_listing_.include_subdirectories = included;
  old_listing_.include_subdirectories = included;
}

void TwoListDialog::ListDirectories(const std::string& new_directory,
                                    const std::string& old_directory) {
  FileSystem& fs = controller_.Files();
  new_listing_.directory = new_directory;
  old_listing_.directory = old_directory;
  new_listing_.Refresh(fs);
  old_listing_.Refresh(fs);
  new_highlight_ = -1;
  old_highlight_ = -1;
}

void TwoListDialog::RestoreSelection(const std::string& saved) {
  selected_.clear();
  for (const std::string& piece : SplitSelection(saved, kSelectionEnd)) {
    if (SplitRow(piece)) selected_.push_back(piece);
  }
}

std::string TwoListDialog::SelectionText() const { return JoinSelection(selected_, kSelectionEnd); }

void TwoListDialog::ReconcileSelection() {
  std::erase_if(selected_, [this](const std::string& row) {
    const std::optional<NamePair> names = SplitRow(row);
    return !names || !new_listing_.Holds(names->new_name) || !old_listing_.Holds(names->old_name);
  });
}

void TwoListDialog::ShowDirectoryCaptions() {
  const MainView& view = controller_.View();
  new_caption_ = ShownName(view.NameText(NameField::kNew));
  old_caption_ = ShownName(view.NameText(NameField::kOld));
}

}  // namespace kestrin
