// The choice of the settings file's directory.
#include "settings/settings_location.h"

#include <pwd.h>
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

// $HOME, else the home directory the password database gives this user.
std::string HomeDirectory() {
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
      home = entry->pw_dir;
  }
  return home;
}

bool IsExistingFile(const std::string& name) {
  std::error_code error;
  return std::filesystem::is_regular_file(name, error);
}

bool IsAbsoluteName(const std::string& name) {
  return !name.empty() && IsPathSeparator(name.front());
}

}  // namespace

SettingsPlace ProgramSettingsPlace(FileSystem& file_system) {
  return SettingsPlace{file_system.ExecutableDirectory(), Environment("XDG_CONFIG_HOME"),
                       HomeDirectory()};
}

std::string SettingsFilePath(const SettingsPlace& place) {
  if (!place.executable_directory.empty()) {
    const std::string portable = JoinPath(place.executable_directory, kSettingsFileName);
    if (IsExistingFile(portable)) return portable;
  }
  std::string config_home = place.xdg_config_home;
  if (!IsAbsoluteName(config_home)) {
    if (!IsAbsoluteName(place.home)) return {};
    config_home = JoinPath(place.home, kHomeConfigDirectory);
  }
  return JoinPath(JoinPath(config_home, kConfigDirectoryName), kSettingsFileName);
}

}  // namespace kestrin
