// The run texts that carry an inserted value.
#include "run/run_texts.h"

#include <cstdio>

#include "run/run_controller.h"

namespace kestrin {
namespace {

constexpr char kFileTypeQuestionMiddle[] =
    "\" is not valid with two full file names. Do you want the \"Compare type\" to be changed "
    "to: \"";
constexpr char kFileTypeQuestionEnd[] =
    "\" -- Yes (Continue with File Compare of two files) or No (Stop the Compare)?";
constexpr char kOnlyDirectoriesEnd[] =
    "\" must specify two valid full file names but. you have specified only directory names. "
    "Either change the \"Compare Type\" for a directory compare or use the \"Select File\" Tab to "
    "help select valid File Names.";
constexpr char kNeedsDirectoryEnd[] =
    "\" requires a directory path name without the file name extension. Use the Select Dir Tab "
    "to select a valid Dir Name.";
constexpr char kProgressFormat[] = "- Old Dir Num = %d of (%d).";

}  // namespace

std::string FileTypeQuestion(std::string_view compare_type) {
  return "Compare type \"" + std::string(compare_type) + kFileTypeQuestionMiddle +
         kCompareTypeTexts[0] + kFileTypeQuestionEnd;
}

std::string OnlyDirectoriesMessage(std::string_view compare_type) {
  return "Compare type \"" + std::string(compare_type) + kOnlyDirectoriesEnd;
}

std::string NeedsDirectoryMessage(std::string_view compare_type) {
  return "The specified Compare type \"" + std::string(compare_type) + kNeedsDirectoryEnd;
}

std::string PairingProgressText(int examined, int old_names) {
  char counts[64];
  std::snprintf(counts, sizeof counts, kProgressFormat, examined, old_names);
  return kPairingProgressPrefix + std::string(counts);
}

std::string CountLabel(size_t count) {
  char label[32];
  std::snprintf(label, sizeof label, "(%zu)", count);
  return label;
}

}  // namespace kestrin
