// The two-list pair dialog as plain logic (compare type 4): the file lists
// of the two directories side by side, the pairs the user has built from
// them, and every button's action. The window only displays it and forwards
// clicks.
#ifndef KESTRIN_RUN_TWO_LIST_DIALOG_H_
#define KESTRIN_RUN_TWO_LIST_DIALOG_H_

#include <string>
#include <vector>

#include "run/directory_listing.h"
#include "run/run_dialogs.h"

namespace kestrin {

class RunController;

class TwoListDialog {
 public:
  explicit TwoListDialog(RunController& controller) : controller_(controller) {}

  // What the window shows.
  const std::vector<std::string>& NewFiles() const { return new_listing_.names; }
  const std::vector<std::string>& OldFiles() const { return old_listing_.names; }
  // ULSelListBox: rows of the new name, " : " and the old name, as listed.
  const std::vector<std::string>& SelectedPairs() const { return selected_; }
  std::string NewCountLabel() const;       // "# New Files:", "(12)"
  std::string OldCountLabel() const;       // "# Old Files:"
  std::string SelectedCountLabel() const;  // "# Selected File Pairs:"
  const std::string& NewPathCaption() const { return new_caption_; }
  const std::string& OldPathCaption() const { return old_caption_; }
  // "New File Highlighted Selection:": the highlighted file, else the mask.
  std::string NewSelectionText() const;
  std::string OldSelectionText() const;
  const std::string& NewFilterText() const { return new_listing_.mask; }
  const std::string& OldFilterText() const { return old_listing_.mask; }
  const std::vector<std::string>& NewFilterHistory() const { return new_filter_history_; }
  const std::vector<std::string>& OldFilterHistory() const { return old_filter_history_; }

  // Highlights row `row` (0-based) of a file list; -1 highlights none.
  void HighlightNew(int row);
  void HighlightOld(int row);

  // The buttons. `rows` are the highlighted rows (0-based) of the selected
  // pair list, in any order.
  DialogNext SelectPairClicked();
  DialogNext UndoSelectedClicked(const std::vector<int>& rows);
  DialogNext StartCompareClicked();
  DialogNext ReturnClicked() { return DialogNext::kClose; }
  DialogNext DirLookUpClicked();
  // Enter in "New File Filter:" and "Old File Filter:".
  void NewFilterEntered(const std::string& text);
  void OldFilterEntered(const std::string& text);

  // Sets both masks (the first opening of the dialog).
  void SetMasks(const std::string& mask);
  // Makes both listings take the whole trees, by relative paths, or not.
  void IncludeSubdirectories(bool included);
  // Points both listings at the two directories and lists them.
  void ListDirectories(const std::string& new_directory, const std::string& old_directory);
  // Replaces the selected pairs with the rows of a saved SvULList text.
  void RestoreSelection(const std::string& saved);
  // The selected pairs as SvULList text: each row followed by ";".
  std::string SelectionText() const;
  // Drops selected rows whose new or old file is not listed.
  void ReconcileSelection();
  // Sets the path captions to the main window's two name fields.
  void ShowDirectoryCaptions();
  const DirectoryListing& NewListing() const { return new_listing_; }
  const DirectoryListing& OldListing() const { return old_listing_; }

 private:
  RunController& controller_;
  DirectoryListing new_listing_;
  DirectoryListing old_listing_;
  int new_highlight_ = -1;
  int old_highlight_ = -1;
  std::vector<std::string> selected_;
  std::string new_caption_;
  std::string old_caption_;
  std::vector<std::string> new_filter_history_;
  std::vector<std::string> old_filter_history_;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_TWO_LIST_DIALOG_H_
