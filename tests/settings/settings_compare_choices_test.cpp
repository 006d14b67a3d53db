// The compare choices a run takes from a settings file, as the batch program
// uses them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "engine/compare_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

class SettingsCompareChoicesTest : public ::testing::Test {
 protected:
  testkit::ScratchDirectory directory_;
  const std::string path_ = directory_.PathOf("choices.ini");
};

TEST_F(SettingsCompareChoicesTest, FileChoicesReachTheSnapshot) {
  testkit::WriteFile(
      path_,
      "[Kestrin]\nCompareType=2. All Like-Named Files\nListType=Long\n"
      "OptsUsed=Dudc Icas Subc Xtab Ccol\nSubC=\"~\"\nXTab=8\nDpEdUdc=%\nUdcYN=Yes\n"
      "CmpSt1Col=3:40\nCmpSt2Col=50:eol\nCmpOSt1Col=1:eol\nCmpOSt2Col=\nNewDirNm=/ignored\n"
      "InclSubDirs=1\n");
  const CompareChoicesRead read = LoadCompareChoices(path_, DefaultFileSystem());
  ASSERT_TRUE(read.choices.has_value()) << read.reason;
  EXPECT_EQ(read.reason, "");
  CompareChoices choices = *read.choices;
  EXPECT_EQ(choices.compare_type, "2. All Like-Named Files");
  EXPECT_EQ(choices.controls.listing_type_text, "Long");
  EXPECT_EQ(choices.controls.dp_choice, static_cast<int>(DpChoice::kDudc));
  EXPECT_EQ(choices.controls.dudc_embedded, "Yes");
  EXPECT_TRUE(choices.include_subdirectories);

  CompareSettings settings;
  ASSERT_EQ(TakeSnapshot(choices.controls, settings), SnapshotVerdict::kValid);
  EXPECT_TRUE(settings.Long);
  EXPECT_TRUE(settings.Icas && settings.Subc && settings.Xtab && settings.Ccol && settings.Dudc);
  EXPECT_FALSE(settings.Rovr || settings.Sbsl);
  EXPECT_EQ(settings.TabSize, 8);
  EXPECT_EQ(settings.SubcChar, '~');
  EXPECT_EQ(settings.DudcTag, "%");
  EXPECT_TRUE(settings.DudcEmbedded);
  EXPECT_EQ(settings.new_ranges.start1, 3);
  EXPECT_EQ(settings.new_ranges.stop1, 40);
  EXPECT_TRUE(settings.new_ranges.range2_valid);
  EXPECT_EQ(settings.new_ranges.start2, 50);
  EXPECT_EQ(settings.new_ranges.stop2, 0);
}

TEST_F(SettingsCompareChoicesTest, FileThatGivesNoChoicesSaysWhy) {
  directory_.MakeDirectory("folder.ini");
  std::filesystem::resize_file(directory_.Write("large.ini", ""),
                               static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  // A pipe is named without being opened, which would wait for a writer.
  ASSERT_EQ(mkfifo(directory_.PathOf("pipe.ini").c_str(), 0600), 0);
  directory_.Write("other.ini", "[Other]\nListType=Long\n");
  directory_.Write("bytes.ini", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff[Kestrin\0", 25));
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/no_choices.txt")) {
    const std::string path = c[0].starts_with("/") ? c[0] : directory_.PathOf(c[0]);
    const CompareChoicesRead read = LoadCompareChoices(path, DefaultFileSystem());
    std::string reason = c[1];
    reason.replace(reason.find("<path>"), 6, path);
    EXPECT_FALSE(read.choices.has_value()) << c.Where();
    EXPECT_EQ(read.reason, reason) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
