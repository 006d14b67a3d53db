// The fixed texts of the two pair selection windows: the like-name dialog
// (compare type 3) and the two-list dialog (compare type 4). Blanks inside
// the texts are part of them; "&" marks a button's shortcut letter.
#ifndef KESTRIN_VIEWS_LIKE_NAME_DIALOG_TEXTS_H_
#define KESTRIN_VIEWS_LIKE_NAME_DIALOG_TEXTS_H_

namespace kestrin {

// Both dialogs.
inline constexpr char kPairStartCaption[] = "&Start  Compare ";
inline constexpr char kPairReturnCaption[] = "     &Return";
inline constexpr char kPairDirLookUpCaption[] = "&Dir LookUp ...";
inline constexpr char kPairStartHint[] = "Compares the selected pairs ";
inline constexpr char kPairReturnHint[] = "Returns to the Main Panel; the selection is kept ";
inline constexpr char kPairDirLookUpHint[] = "Picks other directories by browsing ";

// Like-name dialog.
inline constexpr char kLikeNamePairedCountCaption[] = "# Of Paired Files";
inline constexpr char kLikeNameSelectedCountCaption[] = "# Of Selected Files";
inline constexpr char kLikeNameNewPathCaption[] = "New Path Nm:";
inline constexpr char kLikeNameOldPathCaption[] = "Old  Path  Nm:";
inline constexpr char kLikeNameSortCaption[] = "Sort Like Named Files By:";
inline constexpr char kLikeNameSortByName[] = "File Name";
inline constexpr char kLikeNameSortByExtension[] = "Extension";
inline constexpr char kLikeNameFilterCaption[] = "Like File Filter:";
inline constexpr char kSelectHighlightedCaption[] = "Select &Highlighted";
inline constexpr char kUnselectHighlightedCaption[] = "&Unselect Highlighted ";
inline constexpr char kSelectAllPairedCaption[] = " Select &All Paired";
inline constexpr char kUnselectAllSelectedCaption[] = "U&nselect All Selected";
inline constexpr char kSelectHighlightedHint[] =
    "Moves the highlighted names to the selected list ";
inline constexpr char kUnselectHighlightedHint[] = "Moves the highlighted names back ";
inline constexpr char kSelectAllPairedHint[] = "Selects every like-named pair ";
inline constexpr char kUnselectAllSelectedHint[] = "Moves every selected name back ";

// Two-list dialog.
inline constexpr char kTwoListNewDirCaption[] = "New Dir Nm:";
inline constexpr char kTwoListOldDirCaption[] = "Old  Dir  Nm:";
inline constexpr char kTwoListNewSelectionCaption[] = "New File Highlighted Selection:";
inline constexpr char kTwoListOldSelectionCaption[] = "Old File Highlighted Selection:";
inline constexpr char kTwoListNewFilterCaption[] = "New File Filter:";
inline constexpr char kTwoListOldFilterCaption[] = "Old File Filter:";
inline constexpr char kTwoListNewCountCaption[] = "# New Files:";
inline constexpr char kTwoListOldCountCaption[] = "# Old Files:";
inline constexpr char kTwoListSelectedCountCaption[] = "# Selected File Pairs:";
inline constexpr char kSelectPairCaption[] = "Select &New-Old Pair";
inline constexpr char kUndoSelectedCaption[] = " &Undo Selected";
inline constexpr char kSelectPairHint[] =
    "Pairs the highlighted new file with the highlighted old file ";
inline constexpr char kUndoSelectedHint[] = "Removes the highlighted pairs ";

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_LIKE_NAME_DIALOG_TEXTS_H_
