// The like-name pair dialog's lists, buttons, filter and sort choice.
#include "run/like_name_dialog.h"

#include <algorithm>
#include <unordered_map>

#include "engine/path.h"
#include "run/list_rows.h"
#include "run/run_controller.h"
#include "run/run_texts.h"

namespace kestrin {
namespace {

// The extension of a name: from its last "." to the end, when no path
// separator follows that dot; empty otherwise.
std::string_view Extension(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view extension = name.substr(dot);
  return std::any_of(extension.begin(), extension.end(), IsPathSeparator) ? std::string_view{}
                                                                          : extension;
}

// Extension first, then name, both without regard to case.
bool ExtensionLess(const std::string& a, const std::string& b) {
  const int by_extension = CompareWithoutCase(Extension(a), Extension(b));
  return by_extension != 0 ? by_extension < 0 : CompareWithoutCase(a, b) < 0;
}

void InsertInOrder(std::vector<std::string>& list, const std::string& name) {
  list.insert(std::upper_bound(list.begin(), list.end(), name, NameLess), name);
}

}  // namespace

std::string LikeNameDialog::PairedCountLabel() const { return CountLabel(available_.size()); }

std::string LikeNameDialog::SelectedCountLabel() const { return CountLabel(selected_.size()); }

DialogNext LikeNameDialog::SelectHighlightedClicked(const std::vector<int>& available_rows) {
  const std::vector<std::string> taken = TakeRows(available_, available_rows);
  if (taken.empty()) controller_.Dialogs().ShowMessage(kNothingHighlightedMessage);
  for (const std::string& name : taken) InsertInOrder(selected_, name);
  return DialogNext::kStayOpen;
}

DialogNext LikeNameDialog::UnselectHighlightedClicked(const std::vector<int>& selected_rows) {
  const std::vector<std::string> taken = TakeRows(selected_, selected_rows);
  if (taken.empty()) {
    controller_.Dialogs().ShowMessage(kNothingHighlightedMessage);
    return DialogNext::kStayOpen;
  }
  available_.insert(available_.end(), taken.begin(), taken.end());
  OrderAvailable();
  return DialogNext::kStayOpen;
}

DialogNext LikeNameDialog::SelectAllPairedClicked() {
  for (const std::string& name : available_) InsertInOrder(selected_, name);
  available_.clear();
  return DialogNext::kStayOpen;
}

DialogNext LikeNameDialog::UnselectAllSelectedClicked() {
  if (selected_.empty()) {
    controller_.Dialogs().ShowMessage(kNothingToUndoMessage);
    return DialogNext::kStayOpen;
  }
  available_.insert(available_.end(), selected_.begin(), selected_.end());
  selected_.clear();
  OrderAvailable();
  return DialogNext::kStayOpen;
}

DialogNext LikeNameDialog::StartCompareClicked() {
  std::vector<NamePair> pairs;
  for (const std::string& name : selected_) {
    const auto new_name = new_listing_.OnDiskName(name);
    const auto old_name = old_listing_.OnDiskName(name);
    if (new_name && old_name) pairs.push_back({*new_name, *old_name});
  }
  return controller_.RunChosenPairs(pairs, kComparePickedLikeNames, new_listing_, old_listing_,
                                    kNoLikeNamesSelectedMessage);
}

DialogNext LikeNameDialog::DirLookUpClicked() {
  MainView& view = controller_.View();
  FileSystem& fs = controller_.Files();
  view.RememberNameTexts();
  controller_.Dialogs().ShowDirectoryLookup(fs.IsDirectory(new_caption_) ? new_caption_ : "",
                                            fs.IsDirectory(old_caption_) ? old_caption_ : "");
  controller_.Flags().ReListRequested = true;
  // The listing masks keep the last filter applied with Enter.
  filter_text_ = kAllFilesMask;
  Relist();
  if (available_.empty()) controller_.Dialogs().ShowMessage(kNoCommonNamesMessage);
  return DialogNext::kClose;
}

void LikeNameDialog::SortChosen(LikeNameSort sort) {
  sort_ = sort;
  OrderAvailable();
}

void LikeNameDialog::FilterEntered(const std::string& text) {
  filter_text_ = text.empty() ? kAllFilesMask : text;
  SetMask(filter_text_);
  if (std::find(filter_history_.begin(), filter_history_.end(), filter_text_) ==
      filter_history_.end()) {
    filter_history_.insert(filter_history_.begin(), filter_text_);
  }
  Relist();
}

void LikeNameDialog::Relist() {
  ListLikeNames();
  if (!available_.empty()) ReconcileSelection();
  ShowDirectoryCaptions();
}

int LikeNameDialog::ListLikeNames() {
  const MainView& view = controller_.View();
  FileSystem& fs = controller_.Files();
  available_.clear();
  new_listing_.directory = view.NameText(NameField::kNew);
  new_listing_.Refresh(fs);
  if (!new_listing_.names.empty()) {
    old_listing_.directory = view.NameText(NameField::kOld);
    old_listing_.Refresh(fs);
    if (!old_listing_.names.empty()) {
      OfferPairs(PairLikeNames(new_listing_.names, old_listing_.names));
    }
  }
  return static_cast<int>(available_.size());
}

void LikeNameDialog::OfferPairs(const std::vector<NamePair>& pairs) {
  available_.clear();
  for (const NamePair& pair : pairs) available_.push_back(pair.new_name);
  OrderAvailable();
}

void LikeNameDialog::OrderAvailable() {
  if (sort_ == LikeNameSort::kExtension) {
    SortByExtension();
  } else {
    std::stable_sort(available_.begin(), available_.end(), NameLess);
  }
}

void LikeNameDialog::SortByExtension() {
  if (available_.empty() || sort_ != LikeNameSort::kExtension) return;
  // Equal keys keep their order, as the exchange sort of the list does.
  std::stable_sort(available_.begin(), available_.end(), ExtensionLess);
}

void LikeNameDialog::ReconcileSelection() {
  // Each offered name by its lowercased form; a selected name takes the
  // offered spelling, so that it opens the file as it is named now.
  std::unordered_map<std::string, std::string> offered;
  for (const std::string& name : available_) offered.emplace(LowerAscii(name), name);
  std::vector<std::string> kept;
  for (const std::string& name : selected_) {
    auto found = offered.find(LowerAscii(name));
    if (found == offered.end()) continue;
    kept.push_back(found->second);
    offered.erase(found);
  }
  std::erase_if(available_, [&offered](const std::string& name) {
    return !offered.contains(LowerAscii(name));
  });
  std::sort(kept.begin(), kept.end(), NameLess);
  selected_ = std::move(kept);
}

void LikeNameDialog::PointAt(const std::string& new_directory, const std::string& old_directory) {
  new_listing_.directory = new_directory;
  old_listing_.directory = old_directory;
}

void LikeNameDialog::SetMask(const std::string& mask) {
  new_listing_.mask = mask;
  old_listing_.mask = mask;
}

void LikeNameDialog::IncludeSubdirectories(bool included) {
  new_listing_.include_subdirectories = included;
  old_listing_.include_subdirectories = included;
}

void LikeNameDialog::RestoreSelection(const std::string& saved) {
  selected_ = SplitSelection(saved, kSelectionEnd);
}

std::string LikeNameDialog::SelectionText() const {
  return JoinSelection(selected_, kSelectionEnd);
}

void LikeNameDialog::ShowDirectoryCaptions() {
  const MainView& view = controller_.View();
  new_caption_ = ShownName(view.NameText(NameField::kNew));
  old_caption_ = ShownName(view.NameText(NameField::kOld));
}

}  // namespace kestrin
