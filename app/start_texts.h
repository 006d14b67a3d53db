// The kestrin program's command-line texts: its usage, its options and its
// version line.
#ifndef KESTRIN_APP_START_TEXTS_H_
#define KESTRIN_APP_START_TEXTS_H_

namespace kestrin {

// The usage line; the option list follows it.
inline constexpr char kStartUsageLine[] = "Usage: kestrin [options] [--] [NEW [OLD]]\n";
inline constexpr char kStartDescription[] =
    "Compares two text files line by line, two binary files byte by byte, or two\n"
    "directories of like-named files. NEW and OLD fill the Main Panel's name fields.";
inline constexpr char kHelpOptionText[] = "Shows this text and ends.";
inline constexpr char kVersionOptionText[] = "Shows the program's version and ends.";
inline constexpr char kStartOptionText[] =
    "Runs the compare at once: two files as compare type 1, two directories as type 2.";
inline constexpr char kNewArgumentText[] = "The new directory or file.";
inline constexpr char kOldArgumentText[] = "The old directory or file.";

// The program's name before its version: "Kestrin 1.4".
inline constexpr char kVersionPrefix[] = "Kestrin ";

// On standard error when more than two names are given (a file manager
// opening several files), before the window opens with the first two.
inline constexpr char kExtraNamesNotice[] =
    "kestrin: only the first two names are used, as NEW and OLD.\n";

// Usage errors on standard error, each followed by a pointer to --help.
inline constexpr char kStartNeedsTwoNamesError[] = "--start needs two names, NEW and OLD.";
inline constexpr char kSeeHelp[] = "Try 'kestrin --help' for more information.\n";

}  // namespace kestrin

#endif  // KESTRIN_APP_START_TEXTS_H_
