// The like-name pair dialog as plain logic (compare type 3): the like-named
// files of the two directories on offer, the ones the user has selected, and
// every button's action. The window only displays it and forwards clicks.
// A like-name is shown in its new-side spelling and stands for the files of
// both directories whose names equal it without regard to case.
#ifndef KESTRIN_RUN_LIKE_NAME_DIALOG_H_
#define KESTRIN_RUN_LIKE_NAME_DIALOG_H_

#include <string>
#include <vector>

#include "run/directory_listing.h"
#include "run/like_names.h"
#include "run/run_dialogs.h"

namespace kestrin {

class RunController;

// "Sort Like Named Files By:"
enum class LikeNameSort { kFileName, kExtension };

class LikeNameDialog {
 public:
  explicit LikeNameDialog(RunController& controller) : controller_(controller) {}

  // What the window shows.
  const std::vector<std::string>& Available() const { return available_; }  // LNAvailLBx
  const std::vector<std::string>& Selected() const { return selected_; }    // LNSelLBx
  std::string PairedCountLabel() const;    // "# Of Paired Files", "(12)"
  std::string SelectedCountLabel() const;  // "# Of Selected Files"
  const std::string& NewPathCaption() const { return new_caption_; }
  const std::string& OldPathCaption() const { return old_caption_; }
  const std::string& FilterText() const { return filter_text_; }
  const std::vector<std::string>& FilterHistory() const { return filter_history_; }
  LikeNameSort Sort() const { return sort_; }

  // The buttons. `rows` are the highlighted rows (0-based) of the list the
  // button acts on, in any order.
  DialogNext SelectHighlightedClicked(const std::vector<int>& available_rows);
  DialogNext UnselectHighlightedClicked(const std::vector<int>& selected_rows);
  DialogNext SelectAllPairedClicked();
  DialogNext UnselectAllSelectedClicked();
  DialogNext StartCompareClicked();
  DialogNext ReturnClicked() { return DialogNext::kClose; }
  DialogNext DirLookUpClicked();
  // The sort choice.
  void SortChosen(LikeNameSort sort);
  // Enter in "Like File Filter:".
  void FilterEntered(const std::string& text);

  // Refills the available list from the two directories named in the main
  // window under the current mask. Returns the number of like-names.
  int ListLikeNames();
  // Orders the available list by extension, then name, while "Extension"
  // sorting is chosen.
  void SortByExtension();
  // Drops selected names that are no longer on offer and takes the others
  // out of the available list.
  void ReconcileSelection();

  // Points both listings at `new_directory` and `old_directory`.
  void PointAt(const std::string& new_directory, const std::string& old_directory);
  // Sets the mask of both listings.
  void SetMask(const std::string& mask);
  // Makes both listings take the whole trees, by relative paths, or not.
  void IncludeSubdirectories(bool included);
  // Offers the new-side names of `pairs` in the available list.
  void OfferPairs(const std::vector<NamePair>& pairs);
  // Replaces the selected list with the names of a saved SvLList text.
  void RestoreSelection(const std::string& saved);
  // The selected list as SvLList text: each name followed by ";".
  std::string SelectionText() const;
  // Sets the path captions to the main window's two name fields.
  void ShowDirectoryCaptions();
  DirectoryListing& NewListing() { return new_listing_; }
  DirectoryListing& OldListing() { return old_listing_; }

 private:
  // Refills the available list and keeps the selection consistent with it.
  void Relist();
  // Puts the available list in the order of the sort choice.
  void OrderAvailable();

  RunController& controller_;
  DirectoryListing new_listing_;
  DirectoryListing old_listing_;
  std::vector<std::string> available_;
  std::vector<std::string> selected_;
  std::string new_caption_;
  std::string old_caption_;
  std::string filter_text_ = kAllFilesMask;
  std::vector<std::string> filter_history_;
  LikeNameSort sort_ = LikeNameSort::kFileName;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_LIKE_NAME_DIALOG_H_
