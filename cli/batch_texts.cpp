// The batch program's texts that name a file.
#include "cli/batch_texts.h"

#include "engine/path.h"
#include "report/directory_run_info.h"

namespace kestrin {

std::string NamedSide(std::string_view side, std::string_view name) {
  return std::string(side) + " \"" + ShownName(name) + "\"";
}

std::string MissingNameText(std::string_view side, std::string_view name, std::string_view reason) {
  return NamedSide(side, name) + ": " + std::string(reason) + ".";
}

std::string NameFaultText(std::string_view side, std::string_view name, std::string_view what,
                          std::string_view reason) {
  return NamedSide(side, name) + " is a " + std::string(what) + ": " + std::string(reason) + ".";
}

std::string NeitherFileNorDirectoryText(std::string_view side, std::string_view name,
                                        std::string_view kind) {
  return NamedSide(side, name) + " is a " + std::string(kind) + ", neither a file nor a directory.";
}

std::string DirectoryBesideFileText(std::string_view directory_side,
                                    std::string_view directory_name, std::string_view file_side,
                                    std::string_view file_name) {
  return NamedSide(directory_side, directory_name) + " is a directory and " +
         NamedSide(file_side, file_name) + " a file: give two files or two directories.";
}

std::string OptionOnlyForDirectoriesText(std::string_view option) {
  return std::string(option) + " is for directories, and NEW and OLD are files.";
}

std::string NoSavedSelectionText(std::string_view compare_type, bool pairs) {
  return "the settings file's compare type \"" + std::string(compare_type) +
         "\" has no saved selection: give " + (pairs ? "--select-pairs" : "--select") + " TEXT";
}

std::string NothingToCompareText(int compare_type, std::string_view new_name,
                                 std::string_view old_name, std::string_view mask) {
  const std::string under = " under the mask \"" + ShownName(mask) + "\"; nothing was compared.";
  const std::string new_side = NamedSide(kNewSide, new_name);
  const std::string old_side = NamedSide(kOldSide, old_name);
  switch (compare_type) {
    case kComparePickedLikeNames:
      return "None of the selected names is a file of both " + new_side + " and " + old_side +
             under;
    case kComparePickedPairs:
      return "None of the selected pairs names a file of " + new_side + " and one of " +
             old_side + under;
    case kCompareLikeNamedFiles:
      return new_side + " and " + old_side + " have no like-named files" + under;
    default:
      return new_side + " and " + old_side + " could not be compared.";
  }
}

}  // namespace kestrin
