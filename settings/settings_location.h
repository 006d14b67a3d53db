// Where the settings file lives: in the user's configuration directory, or
// beside the program for portable use when a settings file is already there.
#ifndef KESTRIN_SETTINGS_SETTINGS_LOCATION_H_
#define KESTRIN_SETTINGS_SETTINGS_LOCATION_H_

#include <string>

#include "engine/file_system.h"

namespace kestrin {

// What decides the settings file's place.
struct SettingsPlace {
  std::string executable_directory;  // the directory holding the program
  std::string xdg_config_home;       // $XDG_CONFIG_HOME, empty when not set
  std::string home;                  // the user's home directory, empty when unknown
};

// The place of the running program: its executable's directory, and its
// environment ($HOME, or the user's entry in the password database when
// HOME is not set).
SettingsPlace ProgramSettingsPlace(FileSystem& file_system);

// The settings file's full name. A Kestrin.ini that already exists as a file
// in the executable's directory is used (portable use); otherwise
// $XDG_CONFIG_HOME/kestrin/Kestrin.ini, where an XDG_CONFIG_HOME that is not
// set or not an absolute name counts as $HOME/.config. A settings file is
// thus never created beside the program. With neither an absolute
// XDG_CONFIG_HOME nor a home directory the name is empty: nothing is loaded
// and a save says that it failed. Loading and saving both use this one name.
std::string SettingsFilePath(const SettingsPlace& place);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_LOCATION_H_
