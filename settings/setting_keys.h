// The keys of the settings file, each declared once with its rule and the
// field of the settings record it fills, so reading and writing are generic.
#ifndef KESTRIN_SETTINGS_SETTING_KEYS_H_
#define KESTRIN_SETTINGS_SETTING_KEYS_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings/kestrin_settings.h"

namespace kestrin {

// The one section of the settings file.
inline constexpr std::string_view kSettingsSection = "Kestrin";

// How a key's value is read and written.
enum class KeyRule {
  kNumber,     // a decimal integer; a value that does not convert is skipped
  kText,       // taken as it is, cut to the key's width when it has one
  kFlag,       // written "1" or "0"; true exactly when the value begins with "1"
  kHistory,    // one key per entry numbered from 0; only existing files come back
  kOptions,    // the options text; read back into the Dp option and the preferences
  kRange,      // a compare-column range; emptied when it holds no ":"
  kSelection,  // a saved selection; written only when not empty
  kChoice,     // one entry of a fixed list, in any letter case; any other value is rejected
};

// The record field a key fills.
using SettingField = std::variant<int32_t*, bool*, std::string*, std::vector<std::string>*>;

struct SettingKey {
  std::string_view name;  // in the letter case it is written with
  KeyRule rule;
  std::size_t width;  // longest value kept when loading; 0 keeps any length
  SettingField (*field)(KestrinSettings& settings);
  std::span<const char* const> choices = {};  // the entries a kChoice key takes
};

// Every key, in the order the file is written.
std::span<const SettingKey> SettingKeys();

// The key that a line with the key text `key_text` (the text before its first
// "=", without the blanks around it) sets; null when none does. The keys are
// tested in their fixed loading order, in any letter case: a history's key is
// its name followed by anything (the entry's number), any other key is its
// name alone. This is the same as testing each key's prefix (its name and "=",
// or a history's bare name) against the start of the line.
const SettingKey* MatchingKey(std::string_view key_text);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTING_KEYS_H_
