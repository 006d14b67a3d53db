// Saving the settings file: the section [Kestrin] written anew, every key in
// its fixed order, the rest of the file kept.
#include <string>
#include <string_view>

#include "settings/ini_text.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "settings/settings_storage.h"
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

// Appends one key=value line, for example:
// CmpSt1Col=1:eol
// A value holding a line end keeps only what comes before it: the rest would
// be read back as lines of its own.
void AppendLine(std::string_view key, std::string_view value, std::string& section) {
  section += key;
  section += '=';
  section += value.substr(0, value.find_first_of(kIniLineEndBytes));
  section += kIniLineEnd;
}

void AppendKey(const SettingKey& key, const SettingField& field, std::string& section) {
  switch (key.rule) {
    case KeyRule::kNumber:
      AppendLine(key.name, std::to_string(*std::get<int32_t*>(field)), section);
      break;
    case KeyRule::kFlag:
      AppendLine(key.name, *std::get<bool*>(field) ? "1" : "0", section);
      break;
    case KeyRule::kHistory: {
      const std::vector<std::string>& history = *std::get<std::vector<std::string>*>(field);
      for (std::size_t i = 0; i < history.size(); ++i) {
        AppendLine(std::string(key.name) + std::to_string(i), history[i], section);
      }
      break;
    }
    case KeyRule::kSelection: {
      const std::string& selection = *std::get<std::string*>(field);
      if (!selection.empty()) AppendLine(key.name, selection, section);
      break;
    }
    case KeyRule::kText:
    case KeyRule::kChoice:
    case KeyRule::kOptions:
    case KeyRule::kRange:
      AppendLine(key.name, *std::get<std::string*>(field), section);
      break;
  }
}

// The whole section, header first, each line ending in LF.
std::string SettingsSection(const KestrinSettings& settings) {
  // The key table reaches the fields through a record it may change.
  KestrinSettings values = settings;
  std::string section = "[" + std::string(kSettingsSection) + "]\n";
  for (const SettingKey& key : SettingKeys()) AppendKey(key, key.field(values), section);
  return section;
}

SaveOutcome NotSaved(const std::string& path, std::string_view step, std::string_view cause) {
  return SaveOutcome{false, SaveFailureText(path, step, cause)};
}

}  // namespace

SaveOutcome SaveSettings(const KestrinSettings& settings, const std::string& path,
                         FileSystem& file_system) {
  if (path.empty()) return NotSaved(path, kNoSettingsDirectory, {});
  // The other sections of the old file are kept, so a file that cannot be
  // read is not replaced.
  const SettingsText old_file = ReadSettingsText(file_system, path);
  if (old_file.outcome == ReadOutcome::kUnreadable)
    return NotSaved(path, kCannotReadOldFile, old_file.cause);
  if (old_file.outcome == ReadOutcome::kTooLarge) return NotSaved(path, kFileTooLarge, {});

  const std::string contents =
      ReplaceSection(old_file.text, kSettingsSection, SettingsSection(settings));
  // A file the next load refuses would lose every setting in it.
  if (static_cast<int64_t>(contents.size()) > kLargestSettingsFile) {
    return NotSaved(path, kSaveTooLarge, {});
  }
  if (const std::optional<WriteFailure> failure = ReplaceFileContents(path, contents)) {
    return NotSaved(path, failure->step, failure->cause);
  }
  return SaveOutcome{true, {}};
}

}  // namespace kestrin
