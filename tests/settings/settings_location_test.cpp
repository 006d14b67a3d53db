// Where the settings file lives: the user's configuration directory, or a
// Kestrin.ini that already exists beside the program.
#include "settings/settings_location.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

TEST(SettingsLocationTest, ConfigDirectoryUnlessAFileIsBesideTheProgram) {
  testkit::ScratchDirectory directory;
  testkit::WriteFile(directory.MakeDirectory("portable") + "/Kestrin.ini", "[Kestrin]\n");
  directory.MakeDirectory("installed");
  directory.MakeDirectory("ini-is-a-directory/Kestrin.ini");
  const auto placed = [&](std::string text) {
    const size_t open = text.find('<');
    if (open == std::string::npos) return text;
    const size_t close = text.find('>');
    return directory.PathOf(text.substr(open + 1, close - open - 1)) + text.substr(close + 1);
  };
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/locations.txt")) {
    const SettingsPlace place{placed(c[0]), c[1], c[2]};
    EXPECT_EQ(SettingsFilePath(place), placed(c[3])) << c.Where();
  }
}

TEST(SettingsLocationTest, SavingNeverCreatesAFileBesideTheProgram) {
  testkit::ScratchDirectory directory;
  const std::string program = directory.MakeDirectory("bin");
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

// Sets an environment variable (unsets it for nullptr) while it lives.
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) saved_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~EnvironmentValue() { saved_ ? setenv(name_, saved_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// Without HOME, the home directory is the one the password database gives.
TEST(SettingsLocationTest, ProgramPlaceComesFromTheEnvironment) {
  EnvironmentValue xdg("XDG_CONFIG_HOME", "/test/config");
  EnvironmentValue home("HOME", nullptr);
  const SettingsPlace place = ProgramSettingsPlace(DefaultFileSystem());
  EXPECT_EQ(place.xdg_config_home, "/test/config");
  EXPECT_EQ(place.executable_directory, DefaultFileSystem().ExecutableDirectory());
  EXPECT_EQ(place.home, getpwuid(getuid())->pw_dir);
}

}  // namespace
}  // namespace kestrin
