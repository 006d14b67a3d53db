// The batch program's fixed texts.
#ifndef KESTRIN_CLI_BATCH_TEXTS_H_
#define KESTRIN_CLI_BATCH_TEXTS_H_

#include <string>
#include <string_view>

namespace kestrin {

inline constexpr std::string_view kBatchVersion = "Kestrin V1.4b";

inline constexpr std::string_view kBatchUsage =
    "usage: kestrin-batch [options] NEW OLD\n"
    "Compares the files NEW and OLD, or every like-named file pair of the\n"
    "directories NEW and OLD, and writes the report to standard output.\n"
    "\n"
    "options:\n"
    "  --list TYPE       listing type: Chng (default), Delta, Long or Ovsum\n"
    "  --options TEXT    the OPTIONS text: a Dp keyword and preference keywords\n"
    "                    separated by blanks, e.g. \"Dcpp Icas Fmvl\" (default None)\n"
    "  --settings FILE   takes the compare choices (listing type, options, tab size,\n"
    "                    Subc character, Dudc tag, compare columns, compare type,\n"
    "                    Include subdirectories) from a Kestrin.ini; --list and\n"
    "                    --options override it\n"
    "  --mask MASK       directories: compare only names matching MASK (* and ?;\n"
    "                    default *.*, every name)\n"
    "  --select TEXT     directories: compare the like-named files of TEXT, as\n"
    "                    \"a.txt;b.txt;\" (compare type 3)\n"
    "  --select-pairs TEXT  directories: compare the pairs of TEXT, as\n"
    "                    \"new.c : old.c;\" (compare type 4)\n"
    "  -r, --recursive   directories: compare the files of every subdirectory too,\n"
    "                    paired by their paths below NEW and OLD, as \"sub/a.txt\";\n"
    "                    links to directories are not followed\n"
    "  --secondary FILE  with Sbsl, writes the side-by-side list of old lines to FILE\n"
    "                    (never one of the compared files)\n"
    "  --progress        shows the status texts on standard error\n"
    "  --help            shows this text\n"
    "  --version         shows the program's version\n"
    "\n"
    "exit status: 0 the files compare as equivalent (or nothing was compared),\n"
    "1 the files have differences, 2 anything else.\n";

// Usage errors, each followed by the usage text: "unknown option: --lsit".
inline constexpr std::string_view kUnknownOptionError = "unknown option: ";
inline constexpr std::string_view kMissingValueError = "missing value for option: ";
inline constexpr std::string_view kUnknownListingTypeError = "unknown listing type: ";
inline constexpr std::string_view kFileCountError = "two names, NEW and OLD, are needed";
inline constexpr std::string_view kRepeatedOptionError = "option given twice: ";
inline constexpr std::string_view kSelectWithSelectPairsError =
    "--select and --select-pairs cannot be given together";
// "unknown keyword in --options: Icase"
inline constexpr std::string_view kUnknownKeywordError = "unknown keyword in --options: ";
inline constexpr std::string_view kSecondDpKeywordError = "second Dp keyword in --options: ";
// "unknown compare type in the settings file: 7. Other"
inline constexpr std::string_view kUnknownCompareType = "unknown compare type in the settings file: ";

// The names of the two sides, as the usage text names them.
inline constexpr std::string_view kNewSide = "NEW";
inline constexpr std::string_view kOldSide = "OLD";
// A side and its name: NEW "a.txt".
std::string NamedSide(std::string_view side, std::string_view name);

// Why a name cannot be compared, each naming its side:
// NEW "a.txt": No such file or directory.
std::string MissingNameText(std::string_view side, std::string_view name, std::string_view reason);
// OLD "x" is a symbolic link that cannot be followed: Too many levels of symbolic links.
std::string NameFaultText(std::string_view side, std::string_view name, std::string_view what,
                          std::string_view reason);
// What NameFaultText says of a directory that cannot be read.
inline constexpr std::string_view kUnreadableDirectory = "directory that cannot be read";
// OLD "p" is a named pipe, neither a file nor a directory.
std::string NeitherFileNorDirectoryText(std::string_view side, std::string_view name,
                                        std::string_view kind);
// NEW "d" is a directory and OLD "f.txt" a file: give two files or two directories.
std::string DirectoryBesideFileText(std::string_view directory_side,
                                    std::string_view directory_name, std::string_view file_side,
                                    std::string_view file_name);
// --mask is for directories, and NEW and OLD are files.
std::string OptionOnlyForDirectoriesText(std::string_view option);

// The settings file's compare type 3 or 4 without a saved selection:
// clang-format off
// the settings file's compare type "3. Select from 1 Like-Name File List ..." has no saved selection: give --select TEXT
// clang-format on
std::string NoSavedSelectionText(std::string_view compare_type, bool pairs);

// Why a run compared no pair, by compare type (2 to 4; for 1, two names that
// were files when they were checked):
// clang-format off
// NEW "n" and OLD "o" have no like-named files under the mask "*.*"; nothing was compared.
// None of the selected names is a file of both NEW "n" and OLD "o" under the mask "*.*"; nothing was compared.
// None of the selected pairs names a file of NEW "n" and one of OLD "o" under the mask "*.*"; nothing was compared.
// clang-format on
std::string NothingToCompareText(int compare_type, std::string_view new_name,
                                 std::string_view old_name, std::string_view mask);

// Follows each question on standard error, with the answer the program gives.
inline constexpr std::string_view kQuestionAnsweredNo = " (Yes/No) No";
// "Cannot write the Secondary list to "side.txt"."
inline constexpr std::string_view kSecondaryWriteFailed = "Cannot write the Secondary list to \"";
inline constexpr std::string_view kSecondaryWriteFailedEnd = "\".";
// "The Secondary list would overwrite the compared file "old.txt"; nothing was written."
inline constexpr std::string_view kSecondaryIsCompared =
    "The Secondary list would overwrite the compared file \"";
inline constexpr std::string_view kSecondaryIsComparedEnd = "\"; nothing was written.";
inline constexpr std::string_view kStandardOutputFailed =
    "Cannot write the report to standard output.";

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_TEXTS_H_
