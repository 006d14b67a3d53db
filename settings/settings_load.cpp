// Loading the settings file: each line of the section [Kestrin] sets the key
// it names, by that key's rule; everything else keeps its default.
#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ini_text.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "settings/settings_storage.h"
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The decimal integer `text` holds, blanks around it allowed; nullopt when it
// holds anything else or a number out of range.
std::optional<int32_t> DecimalNumber(std::string_view text) {
  text = Trimmed(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return number;
}

std::string CutTo(std::string_view value, std::size_t width) {
  return std::string(width == 0 ? value : value.substr(0, width));
}

// Appends a history entry when its key is the name and one more character
// (entries 0 to 9) and its value names an existing file.
void AddHistoryEntry(std::string_view key_suffix, std::string_view value, FileSystem& file_system,
                     std::vector<std::string>& history) {
  if (key_suffix.size() != 1 || history.size() >= kHistoryKept) return;
  // A name with a zero byte would be cut short when the file system sees it.
  if (value.empty() || value.find('\0') != std::string_view::npos) return;
  std::string name(value);
  if (file_system.IsFile(name)) history.push_back(std::move(name));
}

// Sets the Dp option, the preferences and the options text from a stored
// options text; a later OptsUsed line replaces all three.
void ApplyOptionsText(std::string_view value, std::size_t width, KestrinSettings& settings) {
  const ParsedOptions parsed = ParseOptionsText(value);
  settings.controls.dp_choice = parsed.dp_choice;
  settings.controls.preferences = parsed.preferences;
  settings.OptsUsed = CutTo(parsed.text, width);
  // A cut text ends with a whole keyword, not with the blank after one.
  while (settings.OptsUsed.ends_with(' ')) settings.OptsUsed.pop_back();
}

// The entry of `choices` that `value` names in any letter case, or nullopt.
std::optional<std::string> ChoiceNamed(std::span<const char* const> choices,
                                       std::string_view value) {
  for (const char* choice : choices) {
    if (EqualIgnoringCase(choice, value)) return std::string(choice);
  }
  return std::nullopt;
}

// Why a stored options text is rejected; nullopt when it is sound.
std::optional<std::string> OptionsTextFault(std::string_view value) {
  const OptionsCheck check = CheckOptionsText(value);
  switch (check.fault) {
    case OptionsFault::kNone:
      return std::nullopt;
    case OptionsFault::kUnknownKeyword:
      return UnknownKeywordReason(check.word);
    case OptionsFault::kSecondDpKeyword:
      return SecondDpKeywordReason(check.word);
  }
  return std::nullopt;
}

// Sets the field of `key` from `value` by the key's rule. Returns why the
// value is rejected, or nullopt when it is taken as it stands.
std::optional<std::string> ApplyValue(const SettingKey& key, std::string_view key_text,
                                      std::string_view value, FileSystem& file_system,
                                      KestrinSettings& settings) {
  const SettingField field = key.field(settings);
  switch (key.rule) {
    case KeyRule::kNumber:
      if (const std::optional<int32_t> number = DecimalNumber(value)) {
        *std::get<int32_t*>(field) = *number;
      }
      break;
    case KeyRule::kText:
    case KeyRule::kSelection:
      *std::get<std::string*>(field) = CutTo(value, key.width);
      break;
    case KeyRule::kFlag:
      *std::get<bool*>(field) = value.starts_with('1');
      break;
    case KeyRule::kHistory:
      AddHistoryEntry(key_text.substr(key.name.size()), value, file_system,
                      *std::get<std::vector<std::string>*>(field));
      break;
    case KeyRule::kOptions:
      ApplyOptionsText(value, key.width, settings);
      return OptionsTextFault(value);
    case KeyRule::kRange:
      *std::get<std::string*>(field) =
          value.find(':') == std::string_view::npos ? "" : std::string(value);
      break;
    case KeyRule::kChoice:
      if (std::optional<std::string> choice = ChoiceNamed(key.choices, Trimmed(value))) {
        *std::get<std::string*>(field) = std::move(*choice);
      } else {
        return NotAChoiceReason(key.choices);
      }
      break;
  }
  return std::nullopt;
}

void ApplyLine(std::string_view line, FileSystem& file_system, KestrinSettings& settings,
               std::vector<RejectedValue>* rejected) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key_text = Trimmed(line.substr(0, equals));
  const SettingKey* key = MatchingKey(key_text);
  if (key == nullptr) return;
  const std::string_view value = line.substr(equals + 1);
  std::optional<std::string> reason = ApplyValue(*key, key_text, value, file_system, settings);
  if (reason && rejected != nullptr) {
    rejected->push_back(RejectedValue{std::string(key->name), std::string(value), *reason});
  }
}

KestrinSettings SettingsFromText(std::string_view text, FileSystem& file_system,
                                 std::vector<RejectedValue>* rejected) {
  KestrinSettings settings;
  for (std::string_view line : SectionLines(text, kSettingsSection)) {
    ApplyLine(line, file_system, settings, rejected);
  }
  settings.controls.subc_text = NormalisedSubc(settings.controls.subc_text);
  return settings;
}

}  // namespace

KestrinSettings LoadSettings(const std::string& path, FileSystem& file_system,
                             std::vector<RejectedValue>* rejected) {
  const SettingsText file = ReadSettingsText(file_system, path);
  if (file.outcome != ReadOutcome::kRead) return KestrinSettings{};
  return SettingsFromText(file.text, file_system, rejected);
}

CompareChoicesRead LoadCompareChoices(const std::string& path, FileSystem& file_system) {
  const SettingsText file = ReadSettingsText(file_system, path);
  CompareChoicesRead read;
  switch (file.outcome) {
    case ReadOutcome::kRead:
      if (!HasSection(file.text, kSettingsSection)) {
        read.reason = ReadFailureText(path, NoSectionCause(kSettingsSection));
      } else {
        read.choices = CompareChoicesOf(SettingsFromText(file.text, file_system, &read.rejected));
      }
      break;
    case ReadOutcome::kNotAFile:
      read.reason = ReadFailureText(path, NotAFileCause(file.cause));
      break;
    case ReadOutcome::kMissing:
    case ReadOutcome::kUnreadable:
      read.reason = ReadFailureText(path, file.cause);
      break;
    case ReadOutcome::kTooLarge:
      read.reason = ReadFailureText(path, kFileTooLarge);
      break;
  }
  return read;
}

}  // namespace kestrin
