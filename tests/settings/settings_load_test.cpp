// Loading single keys: each rule of the settings file, one line at a time
// (the cases are in cases/load_keys.txt).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "settings/ini_text.h"
#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// Every line of `expected` ("\n" between lines) is a line of the settings
// loaded from `lines` as saved again, with their Dp choice and ticks, or
// "rejected=<key>=<value>, <reason>" for a value no control takes or an
// options text with a word that is no keyword; no other value is named.
TEST(SettingsLoadTest, EachKeyFollowsItsRule) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/load_keys.txt")) {
    testkit::CaseScope scope(c);
    testkit::ScratchDirectory directory;
    std::vector<RejectedValue> rejected;
    std::string shown = "\n" + SettingsDescription(LoadSettings(
                                   directory.Write("Kestrin.ini", "[Kestrin]\n" + c[0]),
                                   DefaultFileSystem(), &rejected));
    for (const RejectedValue& value : rejected) {
      shown += "rejected=" + value.key + "=" + value.value + ", " + value.reason + "\n";
    }
    size_t named = 0;
    for (size_t at = c[1].find("rejected="); at != std::string::npos;
         at = c[1].find("rejected=", at + 1)) {
      ++named;
    }
    EXPECT_EQ(rejected.size(), named) << shown;
    std::istringstream expected(c[1]);
    for (std::string line; std::getline(expected, line);) {
      EXPECT_NE(shown.find("\n" + line + "\n"), std::string::npos) << line << " not in" << shown;
    }
  }
}

// Keys, sections and choices match in any letter case, every letter folded.
TEST(SettingsLoadTest, EveryLetterMatchesItsOtherCase) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    EXPECT_TRUE(EqualIgnoringCase(std::string{'x', upper}, std::string{'x', lower})) << upper;
    EXPECT_FALSE(EqualIgnoringCase(std::string{upper}, std::string{'@'})) << upper;
  }
}

}  // namespace
}  // namespace kestrin
