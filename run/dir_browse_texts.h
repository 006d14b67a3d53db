// The fixed texts of directory browsing: the questions and messages of the
// Dir/File Select page's buttons and of the directory lookup dialog, where H
// is the highlighted entry of the directory list and D the open directory.
#ifndef KESTRIN_RUN_DIR_BROWSE_TEXTS_H_
#define KESTRIN_RUN_DIR_BROWSE_TEXTS_H_

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

}  // namespace kestrin

#endif  // KESTRIN_RUN_DIR_BROWSE_TEXTS_H_
