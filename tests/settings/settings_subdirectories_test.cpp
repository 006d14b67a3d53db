// "Include subdirectories" in the settings file: read from its key in any
// letter case, clear when a file from before the key lacks it, and handed to
// a compare run with the other choices.
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

TEST(SettingsSubdirectoriesTest, KeyIsReadAndAnOlderFileWithoutItReadsAsClear) {
  struct KeyCase {
    const char* section;
    bool included;
  };
  const KeyCase cases[] = {
      {"[Kestrin]\nInclSubDirs=1\n", true},
      {"[Kestrin]\ninclsubdirs=1\n", true},
      {"[Kestrin]\nInclSubDirs=0\n", false},
      {"[Kestrin]\nInclSubDirs=yes\n", false},
      {"[Kestrin]\nTop=1\nSbsRp=1\n", false},
  };
  for (const KeyCase& c : cases) {
    testkit::ScratchDirectory directory;
    EXPECT_EQ(SettingsLoadedFromText(directory, c.section).InclSubDirs, c.included) << c.section;
    const std::string path = directory.PathOf("choices.ini");
    testkit::WriteFile(path, c.section);
    const CompareChoicesRead read = LoadCompareChoices(path, DefaultFileSystem());
    ASSERT_TRUE(read.choices.has_value()) << c.section;
    EXPECT_EQ(read.choices->include_subdirectories, c.included) << c.section;
  }
}

}  // namespace
}  // namespace kestrin
