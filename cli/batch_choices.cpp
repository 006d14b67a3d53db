// The compare choices of one batch run.
#include "cli/batch_choices.h"

#include <string_view>

#include "cli/batch_texts.h"
#include "report/directory_run_info.h"
#include "run/run_controller.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

// The selector's number (1 to 4) of a compare-type text, 0 when it is none.
int CompareTypeNumber(const std::string& text) {
  for (int index = 0; index < kCompareTypeCount; ++index) {
    if (text == kCompareTypeTexts[index]) return index + 1;
  }
  return 0;
}

// True iff a rejected value of `key` leaves the run its designed entry, as the
// windows keep it; any other rejected value would change what is compared.
bool OnlyWarned(std::string_view key) { return key == "ListType" || key == "UdcYN"; }

// Takes the settings file's choices into `choices`, or sets its error when
// the file cannot be used.
void TakeSettingsFile(const std::string& path, FileSystem& fs, BatchChoices& choices,
                      CompareChoices& taken) {
  CompareChoicesRead read = LoadCompareChoices(path, fs);
  if (!read.choices) {
    choices.error = read.reason;
    return;
  }
  for (const RejectedValue& value : read.rejected) {
    std::string& lines = OnlyWarned(value.key) ? choices.warnings : choices.error;
    if (!lines.empty()) lines += '\n';
    lines += RejectedValueText(path, value.key, value.value, value.reason);
  }
  if (!choices.error.empty()) return;
  taken = std::move(*read.choices);
  if (CompareTypeNumber(taken.compare_type) == 0) {
    choices.error = std::string(kUnknownCompareType) + taken.compare_type;
    return;
  }
  choices.controls = taken.controls;
  choices.include_subdirectories = taken.include_subdirectories;
}

// Sets the compare type and its selection; sets the error when the settings
// file's type 3 or 4 has no saved selection.
void ChooseCompareType(const BatchOptions& options, const CompareChoices& taken, FileSystem& fs,
                       BatchChoices& choices) {
  const int settings_type = CompareTypeNumber(taken.compare_type);
  if (!fs.IsDirectory(options.new_file) || !fs.IsDirectory(options.old_file)) {
    choices.compare_type = kCompareTwoFiles;
  } else if (!options.select.empty()) {
    choices.compare_type = kComparePickedLikeNames;
    choices.selection = options.select;
  } else if (!options.select_pairs.empty()) {
    choices.compare_type = kComparePickedPairs;
    choices.selection = options.select_pairs;
  } else if (settings_type == kComparePickedLikeNames || settings_type == kComparePickedPairs) {
    choices.compare_type = settings_type;
    choices.selection = settings_type == kComparePickedLikeNames ? taken.like_names_selection
                                                                 : taken.pairs_selection;
    if (choices.selection.empty()) {
      choices.error =
          NoSavedSelectionText(taken.compare_type, settings_type == kComparePickedPairs);
    }
  } else {
    choices.compare_type = kCompareLikeNamedFiles;
  }
}

}  // namespace

BatchChoices ResolveBatchChoices(const BatchOptions& options, FileSystem& fs) {
  BatchChoices choices;
  CompareChoices taken;  // without a settings file, no saved selection
  if (!options.settings_file.empty()) TakeSettingsFile(options.settings_file, fs, choices, taken);
  if (!choices.error.empty()) return choices;
  if (options.recursive) choices.include_subdirectories = true;
  if (options.listing_type) choices.controls.listing_type_text = *options.listing_type;
  if (options.options_text) {
    const ParsedOptions parsed = ParseOptionsText(*options.options_text);
    choices.controls.preferences = parsed.preferences;
    choices.controls.dp_choice = parsed.dp_choice;
  }
  ChooseCompareType(options, taken, fs, choices);
  return choices;
}

}  // namespace kestrin
