// Helpers shared by the settings file's tests.
#include "tests/settings/settings_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/path.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"

namespace kestrin {

SettingsScratchDir::SettingsScratchDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "kestrin-settings-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  EXPECT_NE(made, nullptr) << pattern;
  path_ = pattern;
}

SettingsScratchDir::~SettingsScratchDir() {
  std::error_code error;
  // Permissions a test took away would stop the removal.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::string SettingsScratchDir::Name(std::string_view name) const { return JoinPath(path_, name); }

void SettingsWriteFile(const std::string& path, std::string_view contents) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  EXPECT_TRUE(file.good()) << path;
}

std::string SettingsReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::string SettingsDescription(const KestrinSettings& settings) {
  SettingsScratchDir directory;
  const std::string path = directory.Name(kSettingsFileName);
  const SaveOutcome outcome = SaveSettings(settings, path, DefaultFileSystem());
  EXPECT_TRUE(outcome.saved) << outcome.reason;
  std::string description = SettingsReadFile(path);
  description += "dp_choice=" + std::to_string(settings.controls.dp_choice) + "\npreferences=";
  for (bool checked : settings.controls.preferences) description += checked ? '1' : '0';
  return description + "\n";
}

KestrinSettings SettingsLoadedFromText(const SettingsScratchDir& directory,
                                       std::string_view contents) {
  const std::string path = directory.Name(kSettingsFileName);
  SettingsWriteFile(path, contents);
  return LoadSettings(path, DefaultFileSystem());
}

}  // namespace kestrin
