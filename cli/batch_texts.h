// The batch program's fixed texts.
#ifndef KESTRIN_CLI_BATCH_TEXTS_H_
#define KESTRIN_CLI_BATCH_TEXTS_H_

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
    "                    separated by one blank, e.g. \"Dcpp Icas Fmvl\" (default None)\n"
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
// "unknown compare type in the settings file: 7. Other"
inline constexpr std::string_view kUnknownCompareType = "unknown compare type in the settings file: ";

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
