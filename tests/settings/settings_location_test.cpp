// Where the settings file lives: the user's configuration directory, or a
// Kestrin.ini that already exists beside the program.
#include "settings/settings_location.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

struct LocationCase {
  std::string executable_directory;
  std::string xdg_config_home;
  std::string home;
  std::string expected;
};

TEST(SettingsLocationTest, ConfigDirectoryUnlessAFileIsBesideTheProgram) {
  testkit::ScratchDirectory directory;
  const std::string portable = directory.PathOf("portable");
  std::filesystem::create_directory(portable);
  testkit::WriteFile(portable + "/Kestrin.ini", "[Kestrin]\n");
  const std::string installed = directory.PathOf("installed");
  std::filesystem::create_directory(installed);
  const std::string ini_directory = directory.PathOf("ini-is-a-directory");
  std::filesystem::create_directories(ini_directory + "/Kestrin.ini");
  const LocationCase cases[] = {
      {portable, "/x/config", "/home/u", portable + "/Kestrin.ini"},
      {portable + "/", "", "", portable + "/Kestrin.ini"},
      {installed, "/x/config", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {installed, "/x/config/", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {installed, "", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {installed, "relative/config", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {ini_directory, "/x/config", "/home/u", "/x/config/kestrin/Kestrin.ini"},
      {"", "", "/home/u", "/home/u/.config/kestrin/Kestrin.ini"},
      {installed, "", "", ""},
      {installed, "", "relative/home", ""},
  };
  for (const LocationCase& c : cases) {
    const SettingsPlace place{c.executable_directory, c.xdg_config_home, c.home};
    EXPECT_EQ(SettingsFilePath(place), c.expected)
        << "executable directory \"" << c.executable_directory << "\", XDG_CONFIG_HOME \""
        << c.xdg_config_home << "\", HOME \"" << c.home << "\"";
  }
}

TEST(SettingsLocationTest, SavingNeverCreatesAFileBesideTheProgram) {
  testkit::ScratchDirectory directory;
  const std::string program = directory.PathOf("bin");
  std::filesystem::create_directory(program);
  const SettingsPlace place{program, directory.PathOf("config"), "/home/u"};
  const std::string path = SettingsFilePath(place);
  ASSERT_TRUE(SaveSettings(KestrinSettings{}, path, DefaultFileSystem()).saved) << path;
  EXPECT_TRUE(std::filesystem::is_regular_file(directory.PathOf("config/kestrin/Kestrin.ini")));
  EXPECT_TRUE(std::filesystem::is_empty(program));
}

TEST(SettingsLocationTest, WithNoPlaceNothingIsWrittenAndTheSaveSaysWhy) {
  const SaveOutcome outcome = SaveSettings(KestrinSettings{}, "", DefaultFileSystem());
  EXPECT_FALSE(outcome.saved);
  EXPECT_NE(outcome.reason.find("HOME"), std::string::npos) << outcome.reason;
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
  EXPECT_FALSE(place.home.empty());
}

}  // namespace
}  // namespace kestrin
