// Where the settings file lives: beside the program when its directory can be
// written, else in the user's configuration directory.
#ifndef KESTRIN_SETTINGS_SETTINGS_LOCATION_H_
#define KESTRIN_SETTINGS_SETTINGS_LOCATION_H_

#include <string>

#include "engine/file_system.h"

namespace kestrin {

// What decides the settings file's place.
struct SettingsPlace {
  std::string executable_directory;  // the directory holding the program
  std::string xdg_config_home;       // $XDG_CONFIG_HOME, empty when not set
  std::string home;                  // $HOME, empty when not set
};

// The place of the running program: its executable's directory and its
// environment.
SettingsPlace ProgramSettingsPlace(FileSystem& file_system);

// The settings file's full name: Kestrin.ini in the executable's directory
// when that is a directory this process may write, else
// $XDG_CONFIG_HOME/kestrin/Kestrin.ini, where an XDG_CONFIG_HOME that is not
// set or not an absolute name counts as $HOME/.config. With neither of them
// set it stays beside the executable (a save there then says why it failed).
// Loading and saving both use this one name.
std::string SettingsFilePath(const SettingsPlace& place);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_LOCATION_H_
