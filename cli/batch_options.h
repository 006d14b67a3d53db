// The batch program's command line, read in one place.
#ifndef KESTRIN_CLI_BATCH_OPTIONS_H_
#define KESTRIN_CLI_BATCH_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "run/directory_listing.h"

namespace kestrin {

struct BatchOptions {
  // "Chng", "Delta", "Long" or "Ovsum"; unset: the settings file's, else Chng.
  std::optional<std::string> listing_type;
  // As the settings file stores it; unset: the settings file's, else None.
  std::optional<std::string> options_text;
  std::string settings_file;          // empty: every control keeps its default
  std::string secondary_file;         // empty: the Secondary list is not written
  std::string mask = kAllFilesMask;   // the directory listings' mask
  std::string select;                 // compare type 3: "a.txt;b.txt;"
  std::string select_pairs;           // compare type 4: "new.c : old.c;"
  bool progress = false;
  bool recursive = false;  // --recursive (-r): directories compared with their subdirectories
  bool help = false;
  bool version = false;
  std::string new_file;
  std::string old_file;
};

struct BatchArguments {
  bool valid = false;
  std::string error;  // why the arguments are not valid
  BatchOptions options;
};

// Reads the arguments (without the program name). Options may stand before,
// between or after the two file names, as "--list TYPE" or "--list=TYPE";
// "--" ends the options. The listing type is taken in any letter case.
// --help and --version need no file names.
BatchArguments ParseBatchArguments(const std::vector<std::string>& arguments);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_OPTIONS_H_
