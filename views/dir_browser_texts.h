// The fixed texts of directory browsing: the questions and messages of the
// Dir/File Select page's buttons and of the directory lookup dialog, where H
// is the highlighted entry of the directory list and D the open directory.
#ifndef KESTRIN_VIEWS_DIR_BROWSER_TEXTS_H_
#define KESTRIN_VIEWS_DIR_BROWSER_TEXTS_H_

#include <string>
#include <string_view>

namespace kestrin {

// " New File" and "Old  File" without an existing highlighted file.
inline constexpr char kInvalidFileNameMessage[] = "Invalid File Name Used";

// The page's Return with a file name while a directory compare type is chosen.
inline constexpr char kFileNameConflictQuestion[] =
    "One or both of your selected names is a full file name.This conflicts with the \"Compare "
    "Type\" selected which requires a Dir only name. Return and change \"Compare Type\" (Yes) or "
    "Continue Selecting Dir (No) ";

// "New Dir " or "Old  Dir" of the page while H is not the open directory.
// Sample: Highlighted directory  "src" must be double-clicked since "/home/ann"
// does not agree with "Use As Dir" full path directory name. Return To
// Double-click "src"? (Yes) or Use "/home/ann" ? (No)
std::string UseAsDirQuestion(std::string_view highlighted, std::string_view open);

// " New File" or "Old  File" of the page while H is not the open directory.
// Sample: Highlighted directory  "src" must be double-clicked since "/home/ann"
// does not agree with "Use As Dir subdirectory path name.  Return required to
// double-click "src" or make another choice.
std::string UseAsFileMessage(std::string_view highlighted, std::string_view open);

// " &Old Dir" of the lookup dialog while H is not the open directory.
// Sample: Directory  "src" not double-clicked since "/home/ann" is shown as
// expanded. Use "/home/ann"? (Yes) or Return to reselect "src" ? (No)
std::string LookupOldDirQuestion(std::string_view highlighted, std::string_view open);

// A directory of the list that can no longer be opened (removed or made
// unreadable since it was listed).
// Sample: The directory "/home/ann/old" cannot be opened; the list shows what is there now.
std::string DirectoryNotOpenedMessage(std::string_view directory);

// Captions of the directory browsers.

// The browser both windows show.
inline constexpr char kDriveCaption[] = "Drive:";
// The directory list and the file list scroll sideways over this width, so
// that long names stay readable in narrow lists.
inline constexpr int kBrowserScrollWidth = 1000;

// Dir/File Select page.
inline constexpr char kPageUseAsDirPathCaption[] = "Use As Dir:";
inline constexpr char kUseAsDirGroupCaption[] = "Use As Dir";
inline constexpr char kPageNewDirCaption[] = "New Dir ";
inline constexpr char kPageOldDirCaption[] = "Old  Dir";
inline constexpr char kUseAsFileGroupCaption[] = "Use As File";
inline constexpr char kPageNewFileCaption[] = " New File";
inline constexpr char kPageOldFileCaption[] = "Old  File";
inline constexpr char kReturnedNamesCaption[] = "Returned Directory/File Names:";
inline constexpr char kReturnedNewCaption[] = "New Dir/File:";
inline constexpr char kReturnedOldCaption[] = "Old  Dir/File:";
inline constexpr char kPageReturnCaption[] = "    Return";
inline constexpr char kPageCancelCaption[] = "    Cancel";
inline constexpr char kPageNewDirHint[] = "Returns the open directory as the new directory ";
inline constexpr char kPageOldDirHint[] = "Returns the open directory as the old directory ";
inline constexpr char kPageNewFileHint[] = "Returns the highlighted file as the new file ";
inline constexpr char kPageOldFileHint[] = "Returns the highlighted file as the old file ";
inline constexpr char kPageReturnHint[] = "Takes the returned names to the Main Panel ";
inline constexpr char kPageCancelHint[] = "Keeps the former names and returns to the Main Panel ";

// Directory lookup dialog.
inline constexpr char kLookupTitle[] = "Kestrin  Directory Selection Panel";
inline constexpr char kLookupUseAsDirPathCaption[] = "Use As Dir: ";
inline constexpr char kLookupFileListCaption[] = "File List:";
inline constexpr char kLookupReferenceOnlyCaption[] = "(Reference Only)";
inline constexpr char kLookupUseAsGroupCaption[] = "Use As";
inline constexpr char kLookupNewDirCaption[] = " &New Dir";
inline constexpr char kLookupOldDirCaption[] = " &Old Dir";
inline constexpr char kLookupReturnedCaption[] = "Returned Directory Name:";
inline constexpr char kLookupNewNameCaption[] = "New Dir Name:";
inline constexpr char kLookupOldNameCaption[] = "Old  Dir Name:";
inline constexpr char kLookupReturnCaption[] = "    &Return";
inline constexpr char kLookupCancelCaption[] = "    &Cancel";
inline constexpr char kLookupNewDirHint[] =
    "Returns the highlighted directory as the new directory ";
inline constexpr char kLookupOldDirHint[] = "Returns the open directory as the old directory ";
inline constexpr char kLookupReturnHint[] =
    "Lists the pair dialog again on the returned directories ";
inline constexpr char kLookupCancelHint[] =
    "Lists the pair dialog again on the former directories ";

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DIR_BROWSER_TEXTS_H_
