// Helpers shared by the settings file's tests: a scratch directory, whole-file
// reads and writes, and a one-text description of a settings record.
#ifndef KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_
#define KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_

#include <string>
#include <string_view>

#include "settings/kestrin_settings.h"

namespace kestrin {

// A fresh directory under the system's temporary directory, removed with all
// it holds when the object goes.
class SettingsScratchDir {
 public:
  SettingsScratchDir();
  ~SettingsScratchDir();
  SettingsScratchDir(const SettingsScratchDir&) = delete;
  SettingsScratchDir& operator=(const SettingsScratchDir&) = delete;

  const std::string& path() const { return path_; }
  // The full name of `name` inside the directory.
  std::string Name(std::string_view name) const;

 private:
  std::string path_;
};

// Makes `path` hold exactly `contents`.
void SettingsWriteFile(const std::string& path, std::string_view contents);
// The bytes of the file at `path`; empty when it cannot be read.
std::string SettingsReadFile(const std::string& path);

// Every value of `settings` as text, one per line: the section as saved, then
// the Dp choice and the preference boxes, which the file holds only through
// the options text. Two records are equal iff their descriptions are.
std::string SettingsDescription(const KestrinSettings& settings);

// Loads the settings file text `contents` from Kestrin.ini in `directory`.
KestrinSettings SettingsLoadedFromText(const SettingsScratchDir& directory,
                                       std::string_view contents);

}  // namespace kestrin

#endif  // KESTRIN_TESTS_SETTINGS_SETTINGS_SUPPORT_H_
