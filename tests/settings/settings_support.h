// A one-text description of a settings record, shared by the settings file's
// tests.
#ifndef KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_
#define KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_

#include <string>

#include "settings/kestrin_settings.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {

// Every value of `settings` as text, one per line: the section as saved, then
// "dp=<Dp keyword>" and "ticked=<preference keywords, comma-separated>",
// which the file holds only through the options text. Two records are equal
// iff their descriptions are.
std::string SettingsDescription(const KestrinSettings& settings);

}  // namespace kestrin

#endif  // KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_
