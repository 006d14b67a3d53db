// "Include subdirectories" in the settings file: read from its key in any
// letter case, clear when a file from before the key lacks it, and handed to
// a compare run with the other choices.
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

TEST(SettingsSubdirectoriesTest, KeyIsReadAndAnOlderFileWithoutItReadsAsClear) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/include_subdirectories.txt")) {
    testkit::CaseScope scope(c);
    testkit::ScratchDirectory directory;
    EXPECT_EQ(SettingsLoadedFromText(directory, c[0]).InclSubDirs, c.Flag(1));
    const CompareChoicesRead read =
        LoadCompareChoices(directory.Write("choices.ini", c[0]), DefaultFileSystem());
    ASSERT_TRUE(read.choices.has_value());
    EXPECT_EQ(read.choices->include_subdirectories, c.Flag(1));
  }
}

}  // namespace
}  // namespace kestrin
