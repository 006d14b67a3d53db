// Saving: the keys' order and letter case, the saved selections, the other
// sections of the file, and line ends inside values.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/path.h"
#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// The section a default record saves.
std::string DefaultSection() {
  return testkit::ReadFile(
      JoinPath(KESTRIN_SOURCE_DIR, "tests/settings/golden/default_section.ini"));
}

class SettingsSaveTest : public ::testing::Test {
 protected:
  // Saves `settings` over a file that held `old_contents` (none when not
  // given) and returns the file's new bytes.
  std::string SavedOver(const std::optional<std::string>& old_contents,
                        const KestrinSettings& settings) {
    if (old_contents) testkit::WriteFile(path_, *old_contents);
    const SaveOutcome outcome = SaveSettings(settings, path_, DefaultFileSystem());
    EXPECT_TRUE(outcome.saved) << outcome.reason;
    EXPECT_EQ(outcome.reason, "");
    return testkit::ReadFile(path_);
  }

  testkit::ScratchDirectory directory_;
  const std::string path_ = directory_.PathOf("Kestrin.ini");
};

TEST_F(SettingsSaveTest, WritesEveryKeyInOrderAndLetterCase) {
  KestrinSettings settings;
  settings.Top = -4;
  settings.NewDirNm = "/n/New.txt";
  settings.NFCombo = {"/n/a", "/n/b"};
  settings.OldDirNm = "/o";
  settings.OFCombo = {"/o/c"};
  settings.CompareType = "4. Two Lists";
  settings.ViewResults = true;
  settings.controls.subc_text = "\"~\"";
  settings.TurnOffHint = true;
  settings.OptsUsed = "Dcpp Icas Xtab";
  settings.layout.VLTop1 = "10";
  settings.layout.SpSplit = "300";
  settings.controls.new_range2 = "40:eol";
  settings.SvULList = "a : b;";
  settings.SvLList = "a;b;";
  settings.OutFn = "/r.txt";
  settings.SbsRp = true;
  settings.InclSubDirs = true;
  testkit::ExpectGoldenText("tests/settings/golden/every_key.ini",
                            SavedOver(std::nullopt, settings));
}

// The old file and the file after a save, "<ours>" standing for the saved
// section: cases/other_sections.txt.
TEST_F(SettingsSaveTest, OtherSectionsAreKeptAsTheyWere) {
  const std::string ours = DefaultSection();
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/other_sections.txt")) {
    testkit::CaseScope scope(c);
    std::string expected = c[1];
    expected.replace(expected.find("<ours>"), 6, ours);
    EXPECT_EQ(SavedOver(c[0], KestrinSettings{}), expected);
  }
}

// A save removes the temporary files an interrupted save left beside the
// file, once they are old enough not to belong to a save under way.
TEST_F(SettingsSaveTest, StaleTemporariesGoAndOtherFilesStay) {
  const std::string stale = directory_.Write("Kestrin.ini.a1b2c3", "");
  const std::string fresh = directory_.Write("Kestrin.ini.d4e5f6", "");
  testkit::SetModifiedTime(fresh, std::time(nullptr));
  const std::string lookalike = directory_.Write("Kestrin.inixa1b2c3", "");
  SavedOver(std::nullopt, KestrinSettings{});
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(fresh));
  EXPECT_TRUE(std::filesystem::exists(lookalike));
}

TEST_F(SettingsSaveTest, FileModeIsKept) {
  testkit::WriteFile(path_, "[Kestrin]\n");
  std::filesystem::permissions(
      path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  SavedOver(std::nullopt, KestrinSettings{});
  EXPECT_EQ(std::filesystem::status(path_).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(SettingsSaveTest, SymbolicLinkStaysAndItsFileIsReplaced) {
  const std::string real = directory_.PathOf("real.ini");
  testkit::WriteFile(real, "[Other]\nz=1\n");
  std::filesystem::create_symlink(real, path_);
  SavedOver(std::nullopt, KestrinSettings{});
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(testkit::ReadFile(real), "[Other]\nz=1\n\n" + DefaultSection());
}

}  // namespace
}  // namespace kestrin
