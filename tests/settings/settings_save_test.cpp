// Saving: the keys' order and letter case, the saved selections, the other
// sections of the file, and line ends inside values.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

const char kDefaultSection[] =
    "[Kestrin]\nTop=163\nLeft=229\nNewDirNm=\nOldDirNm=\n"
    "CompareType=1. New and Old Files Specified\nListType=Chng\nViewResults=0\nSubC=\".\"\n"
    "XTab=4\nTurnOffHint=0\nOptsUsed=None\nPFontSz=8\nVLFontSz=8\nVLTop1=\nVLHt1=\nVLWide1=\n"
    "VLWide2=\nVLTop2=\nVLLeft1=\nVLLeft2=\nSpSplit=\nVLHt2=\nDpEdUdc=#\nUdcYN=No\n"
    "CmpSt1Col=1:eol\nCmpSt2Col=\nCmpOSt1Col=1:eol\nCmpOSt2Col=\nOutFn=\nSbsRp=0\nInclSubDirs=0\n";

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
  EXPECT_EQ(
      SavedOver(std::nullopt, settings),
      "[Kestrin]\nTop=-4\nLeft=229\nNewDirNm=/n/New.txt\nNFCombo0=/n/a\nNFCombo1=/n/b\nOldDirNm=/"
      "o\n"
      "OFCombo0=/o/c\nCompareType=4. Two Lists\nListType=Chng\nViewResults=1\nSubC=\"~\"\n"
      "XTab=4\nTurnOffHint=1\nOptsUsed=Dcpp Icas Xtab\nPFontSz=8\nVLFontSz=8\nVLTop1=10\nVLHt1=\n"
      "VLWide1=\nVLWide2=\nVLTop2=\nVLLeft1=\nVLLeft2=\nSpSplit=300\nVLHt2=\nDpEdUdc=#\nUdcYN=No\n"
      "CmpSt1Col=1:eol\nCmpSt2Col=40:eol\nCmpOSt1Col=1:eol\nCmpOSt2Col=\nSvULList=a : b;\n"
      "SvLList=a;b;\nOutFn=/r.txt\nSbsRp=1\nInclSubDirs=1\n");
}

TEST_F(SettingsSaveTest, OtherSectionsAreKeptAsTheyWere) {
  struct SectionCase {
    std::string old_contents;
    std::string expected;
  };
  const std::string ours = kDefaultSection;
  const std::string binary_section("[A]\n\0\x01\x02=\xff\n", 10);
  const SectionCase cases[] = {
      {"", ours},
      {"[kestrin]\nTop=1\n", ours},
      {"[Before]\r\nx=1\r\n", "[Before]\r\nx=1\r\n\n" + ours},
      {"[Before]\nx=1", "[Before]\nx=1\n\n" + ours},
      {"; note\n[KESTRIN]\nTop=1\n\n[After]\ny = 2 \n", "; note\n" + ours + "\n[After]\ny = 2 \n"},
      {"[A]\na=1\n\n[Kestrin]\nTop=1\n[B]\nb=2\n[kestrin]\nLeft=3\n[C]\nc=3\n",
       "[A]\na=1\n\n" + ours + "\n[B]\nb=2\n[C]\nc=3\n"},
      {"[Kestrin]\nTop=1\n[Kestrin]\nLeft=2\n[B]\nb=2\n", ours + "\n[B]\nb=2\n"},
      {binary_section, binary_section + "\n" + ours},
  };
  for (const SectionCase& c : cases) {
    EXPECT_EQ(SavedOver(c.old_contents, KestrinSettings{}), c.expected)
        << "old file: " << c.old_contents;
  }
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
  EXPECT_EQ(testkit::ReadFile(real), std::string("[Other]\nz=1\n\n") + kDefaultSection);
}

}  // namespace
}  // namespace kestrin
