// Loading single keys: each rule of the settings file, one line at a time
// (the cases are in cases/load_keys.txt).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// Every line of `expected` ("\n" between lines) is a line of the settings
// loaded from `lines` as saved again, with their Dp choice and ticks.
TEST(SettingsLoadTest, EachKeyFollowsItsRule) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/load_keys.txt")) {
    testkit::CaseScope scope(c);
    testkit::ScratchDirectory directory;
    const std::string shown =
        "\n" + SettingsDescription(SettingsLoadedFromText(directory, "[Kestrin]\n" + c[0]));
    std::istringstream expected(c[1]);
    for (std::string line; std::getline(expected, line);) {
      EXPECT_NE(shown.find("\n" + line + "\n"), std::string::npos) << line << " not in" << shown;
    }
  }
}

// A value that no control takes, or an options text with a word that is
// no keyword, is named with its key; the sound values are not.
TEST(SettingsLoadTest, RejectedValuesAreNamedWithTheirKeys) {
  testkit::ScratchDirectory directory;
  const std::string path = directory.PathOf("Kestrin.ini");
  testkit::WriteFile(path,
                    "[Kestrin]\nListType=Bogus\nListType=Long\nXTab=0\nUdcYN=yes\n"
                    "OptsUsed=Dcpp Icase\nOptsUsed=Icas\n");
  std::vector<RejectedValue> rejected;
  LoadSettings(path, DefaultFileSystem(), &rejected);
  std::string named;
  for (const RejectedValue& value : rejected) {
    named += value.key + "=" + value.value + ", " + value.reason + "\n";
  }
  EXPECT_EQ(named,
            "ListType=Bogus, which is not one of Chng, Delta, Long, Ovsum and is not used\n"
            "XTab=0, which is not one of 1, 2, 3, 4, 5, 6, 7, 8 and is not used\n"
            "OptsUsed=Dcpp Icase, in which Icase is no keyword\n");
}

TEST(SettingsLoadTest, OnlyTheKestrinSectionIsRead) {
  testkit::ScratchDirectory directory;
  const KestrinSettings settings = SettingsLoadedFromText(
      directory,
      "Top=1\n[Other]\nTop=2\nLeft=3\n [KESTRIN] \nLeft=4\n[Third]\nTop=5\n[kestrin]\nTop=6\n");
  EXPECT_EQ(settings.Top, 6);
  EXPECT_EQ(settings.Left, 4);
}

}  // namespace
}  // namespace kestrin
