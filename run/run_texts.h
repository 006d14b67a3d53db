// The fixed texts of run control, directory pairing and the pair dialogs:
// messages, questions, status lines, window titles and count labels. "\r" and "\n" are part
// of the texts where they stand.
#ifndef KESTRIN_RUN_RUN_TEXTS_H_
#define KESTRIN_RUN_RUN_TEXTS_H_

#include <string>
#include <string_view>

namespace kestrin {

// The compare-type selector's entries, in selector order.
inline constexpr int kCompareTypeCount = 4;
inline constexpr const char* kCompareTypeTexts[kCompareTypeCount] = {
    "1. New and Old Files Specified",
    "2. All Like-Name Files from Input Dirs",
    "3. Select from 1 Like-Name File List ...",
    "4. Select from 2 Dir File Name List ...",
};

// Start.
inline constexpr char kExecutingStatus[] = "Executing Compare Section.";
inline constexpr char kInvalidFileNamesMessage[] =
    "The specified New and/or Old file names are invalid file names.";
inline constexpr char kInvalidCompareTypeMessage[] =
    "Invalid \"Compare Type\". Reselect again from the \"Compare Type\" ComboBox.";
inline constexpr char kInvalidDirectoriesMessage[] =
    "Invalid New and/or Old Directory names specified Use the Select Dir Tab to select a valid "
    "Dir Name.";
inline constexpr char kInvalidNewFileMessage[] = "Invalid Full New Input File Name specified.";
inline constexpr char kInvalidOldFileMessage[] = "Invalid Full Old Input File Name specified.";

// "Compare type \"{T}\" is not valid with two full file names. Do you want ..."
std::string FileTypeQuestion(std::string_view compare_type);
// "Compare type \"{T}\" must specify two valid full file names but. ..."
std::string OnlyDirectoriesMessage(std::string_view compare_type);
// "The specified Compare type \"{T}\" requires a directory path name ..."
std::string NeedsDirectoryMessage(std::string_view compare_type);

// Re-Show.
inline constexpr char kPreferencesChangedMessage[] =
    "Previous report and current preferences have changed. Rerun compare with newest preferences.";

// Like-name pairing.
inline constexpr char kInvalidNewDirectoryNameMessage[] =
    "Invalid New Input File Directory Name specified.";
inline constexpr char kInvalidOldDirectoryNameMessage[] =
    "Invalid Old Input File Directory Name specified.";
inline constexpr char kNoLikeNamePairsMessage[] =
    "No paired (same name) new/old filenames are found.\r\nSelect another directory pair.";
inline constexpr char kNoCandidatesMessage[] =
    "No paired (same name) new/old filenames are found.\rSelect another directory pair";
inline constexpr char kNoCandidatesFirstEnding[] = ".";
inline constexpr char kNoCandidatesLaterEnding[] = " or use a different file filter mask.";
inline constexpr char kNoCommonNamesMessage[] =
    "New and Old Input File Directories have no common named files. \r Respecify Directories or "
    "use a different filter mask.";
inline constexpr char kPairingProgressPrefix[] = "Proc Directories ";

// "Proc Directories - Old Dir Num = 59 of (200)."
std::string PairingProgressText(int examined, int old_names);

// Why an entry below a run directory is not compared, with subdirectories
// included; an unreadable subdirectory gives the system's reason in words.
inline constexpr char kDirectoryLinkReason[] = "link to a directory, not followed";
inline constexpr char kTooDeepReason[] = "more than 64 directory levels down, not entered";
inline constexpr char kPathTooLongReason[] = "relative path longer than 1024 characters";

// Two-list listing.
inline constexpr char kInvalidNewDirectoryMessage[] = "Invalid New Input File Directory specified.";
inline constexpr char kInvalidOldDirectoryMessage[] = "Invalid Old Input File Directory specified.";
inline constexpr char kNoNewFilesMessage[] =
    "New Input File Directory has no files to compare. \r Respecify the New Directory Name";
inline constexpr char kNoOldFilesMessage[] =
    "Old Input File Directory has no files to compare. \r Respecify the Old Directory Name";
inline constexpr char kFirstListingEnding[] = ".";
inline constexpr char kLaterListingEnding[] = " or use a different filter mask.";

// The pair dialogs.
inline constexpr char kLikeNameDialogTitle[] =
    "Kestrin File Selection of Like Named File Pairs For Comparison";
inline constexpr char kTwoListDialogTitle[] =
    "Kestrin File Selection of Unlike/Like Named File Pairs for Comparison";
inline constexpr char kNothingHighlightedMessage[] =
    "No filename highlighted.  Highlight a filename and repeat.";
inline constexpr char kNothingToUndoMessage[] = "Nothing to Undo";
inline constexpr char kNoLikeNamesSelectedMessage[] =
    "No paired filenames have been selected.\r\nHighlight one or more Like Named Paired File and "
    "repeat.";
inline constexpr char kSelectEachComponentMessage[] =
    "The Compare files must be individually selected. \r\nSelect each separate component and then "
    "\r\npress the \"Select New-Old Pair\" arrow";
inline constexpr char kNoPairsToUndoMessage[] = "No file pairs have been selected to undo";
inline constexpr char kNoPairsSelectedMessage[] =
    "No paired filenames have been selected.\r\nHighlight one or more Like Named Paired Files,\r\n "
    "and \"Select New-Old Pair\" button to transfer components to \"Selected List\".";

// Saved selections and selected pair rows.
inline constexpr char kSelectionEnd = ';';
inline constexpr char kPairSeparator[] = " : ";

// A count label: "(12)".
std::string CountLabel(size_t count);

}  // namespace kestrin

#endif  // KESTRIN_RUN_RUN_TEXTS_H_
