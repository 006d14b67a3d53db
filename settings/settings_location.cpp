// The choice of the settings file's directory.
#include "settings/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/path.h"
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

// The settings' directory below the user's configuration directory.
constexpr std::string_view kConfigDirectoryName = "kestrin";
// The user's configuration directory below the home directory.
constexpr std::string_view kHomeConfigDirectory = ".config";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool IsWritableDirectory(const std::string& directory) {
  std::error_code error;
  return !directory.empty() && std::filesystem::is_directory(directory, error) &&
         access(directory.c_str(), W_OK | X_OK) == 0;
}

bool IsAbsoluteName(const std::string& name) {
  return !name.empty() && IsPathSeparator(name.front());
}

}  // namespace

SettingsPlace ProgramSettingsPlace(FileSystem& file_system) {
  return SettingsPlace{file_system.ExecutableDirectory(), Environment("XDG_CONFIG_HOME"),
                       Environment("HOME")};
}

std::string SettingsFilePath(const SettingsPlace& place) {
  const std::string beside_program = JoinPath(place.executable_directory, kSettingsFileName);
  if (IsWritableDirectory(place.executable_directory)) return beside_program;
  std::string config_home = place.xdg_config_home;
  if (!IsAbsoluteName(config_home)) {
    if (place.home.empty()) return beside_program;
    config_home = JoinPath(place.home, kHomeConfigDirectory);
  }
  return JoinPath(JoinPath(config_home, kConfigDirectoryName), kSettingsFileName);
}

}  // namespace kestrin
