// Where the settings file lives.
#include "settings/settings_location.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

struct LocationCase {
  std::string executable_directory;
  std::string xdg_config_home;
  std::string home;
  std::string expected;
};

TEST(SettingsLocationTest, BesideTheProgramElseInTheConfigDirectory) {
  SettingsScratchDir directory;
  const std::string program = directory.Name("bin");
  std::filesystem::create_directory(program);
  const std::string not_a_directory = directory.Name("file");
  SettingsWriteFile(not_a_directory, "");
  const std::string missing = directory.Name("missing");
  const LocationCase cases[] = {
      {program, "/x/config", "/home/u", program + "/Kestrin.ini"},
      {program + "/", "", "", program + "/Kestrin.ini"},
      {missing, "/x/config", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {missing, "/x/config/", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {missing, "", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {missing, "relative/config", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {not_a_directory, "/x/config", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {"", "", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {missing, "", "", missing + "/Kestrin.ini"},
  };
  for (const LocationCase& c : cases) {
    const SettingsPlace place{c.executable_directory, c.xdg_config_home, c.home};
    EXPECT_EQ(SettingsFilePath(place), c.expected)
        << "executable directory \"" << c.executable_directory << "\", XDG_CONFIG_HOME \""
        << c.xdg_config_home << "\", HOME \"" << c.home << "\"";
  }
}

TEST(SettingsLocationTest, ReadOnlyProgramDirectoryIsPassedOver) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser from writing";
  SettingsScratchDir directory;
  const std::string program = directory.Name("bin");
  std::filesystem::create_directory(program);
  std::filesystem::permissions(
      program, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_EQ(SettingsFilePath(SettingsPlace{program, "/x", "/h"}), "/x/kestrin/Kestrin.ini");
}

TEST(SettingsLocationTest, ProgramPlaceComesFromTheEnvironment) {
  const char* saved_xdg = getenv("XDG_CONFIG_HOME");
  const std::string saved_xdg_text = saved_xdg == nullptr ? "" : saved_xdg;
  setenv("XDG_CONFIG_HOME", "/test/config", 1);
  const SettingsPlace place = ProgramSettingsPlace(DefaultFileSystem());
  if (saved_xdg == nullptr) {
    unsetenv("XDG_CONFIG_HOME");
  } else {
    setenv("XDG_CONFIG_HOME", saved_xdg_text.c_str(), 1);
  }
  EXPECT_EQ(place.xdg_config_home, "/test/config");
  EXPECT_EQ(place.executable_directory, DefaultFileSystem().ExecutableDirectory());
  EXPECT_EQ(place.home, getenv("HOME") == nullptr ? "" : getenv("HOME"));
}

}  // namespace
}  // namespace kestrin
