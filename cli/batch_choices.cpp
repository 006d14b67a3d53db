// The compare choices of one batch run.
#include "cli/batch_choices.h"

#include "cli/batch_texts.h"
#include "report/directory_run_info.h"
#include "run/run_controller.h"
#include "settings/settings_file.h"

namespace kestrin {
namespace {

// The selector's number (1 to 4) of a compare-type text, 0 when it is none.
int CompareTypeNumber(const std::string& text) {
  for (int index = 0; index < kCompareTypeCount; ++index) {
    if (text == kCompareTypeTexts[index]) return index + 1;
  }
  return 0;
}

}  // namespace

BatchChoices ResolveBatchChoices(const BatchOptions& options, FileSystem& fs) {
  BatchChoices choices;
  int settings_type = 0;
  if (!options.settings_file.empty()) {
    const CompareChoicesRead read = LoadCompareChoices(options.settings_file, fs);
    if (!read.choices) {
      choices.error = read.reason;
      return choices;
    }
    choices.controls = read.choices->controls;
    choices.include_subdirectories = read.choices->include_subdirectories;
    settings_type = CompareTypeNumber(read.choices->compare_type);
    if (settings_type == 0) {
      choices.error = std::string(kUnknownCompareType) + read.choices->compare_type;
      return choices;
    }
  }
  if (options.recursive) choices.include_subdirectories = true;
  if (options.listing_type) choices.controls.listing_type_text = *options.listing_type;
  if (options.options_text) {
    const ParsedOptions parsed = ParseOptionsText(*options.options_text);
    choices.controls.preferences = parsed.preferences;
    choices.controls.dp_choice = parsed.dp_choice;
  }

  if (!options.select.empty()) {
    choices.compare_type = kComparePickedLikeNames;
  } else if (!options.select_pairs.empty()) {
    choices.compare_type = kComparePickedPairs;
  } else if (settings_type >= kComparePickedLikeNames) {
    choices.compare_type = settings_type;
  } else if (fs.IsDirectory(options.new_file) && fs.IsDirectory(options.old_file)) {
    choices.compare_type = kCompareLikeNamedFiles;
  } else {
    choices.compare_type = kCompareTwoFiles;
  }
  return choices;
}

}  // namespace kestrin
