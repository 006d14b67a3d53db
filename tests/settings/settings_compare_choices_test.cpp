// The compare choices a run takes from a settings file, as the batch program
// uses them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "engine/compare_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"
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
      "CmpSt1Col=3:40\nCmpSt2Col=50:eol\nCmpOSt1Col=1:eol\nCmpOSt2Col=\nNewDirNm=/ignored\n");
  const CompareChoicesRead read = LoadCompareChoices(path_, DefaultFileSystem());
  ASSERT_TRUE(read.choices.has_value()) << read.reason;
  EXPECT_EQ(read.reason, "");
  CompareChoices choices = *read.choices;
  EXPECT_EQ(choices.compare_type, "2. All Like-Named Files");
  EXPECT_EQ(choices.controls.listing_type_text, "Long");
  EXPECT_EQ(choices.controls.dp_choice, static_cast<int>(DpChoice::kDudc));
  EXPECT_EQ(choices.controls.dudc_embedded, "Yes");

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
  const std::string folder = directory_.PathOf("folder.ini");
  std::filesystem::create_directory(folder);
  const std::string large = directory_.PathOf("large.ini");
  testkit::WriteFile(large, "");
  std::filesystem::resize_file(large, static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  // A pipe is named without being opened, which would wait for a writer.
  const std::string pipe = directory_.PathOf("pipe.ini");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string other = directory_.PathOf("other.ini");
  testkit::WriteFile(other, "[Other]\nListType=Long\n");
  const std::string bytes = directory_.PathOf("bytes.ini");
  testkit::WriteFile(bytes, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff[Kestrin\0", 25));
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {path_, "Cannot read the settings file \"" + path_ + "\": No such file or directory."},
      {folder, "Cannot read the settings file \"" + folder + "\": it is a directory, not a file."},
      {pipe, "Cannot read the settings file \"" + pipe + "\": it is a named pipe, not a file."},
      {"/dev/zero", "Cannot read the settings file \"/dev/zero\": it is a device, not a file."},
      {large, "Cannot read the settings file \"" + large + "\": the file is larger than 64 MiB."},
      {other, "Cannot read the settings file \"" + other + "\": it has no [Kestrin] section."},
      {bytes, "Cannot read the settings file \"" + bytes + "\": it has no [Kestrin] section."},
  };
  for (const auto& c : cases) {
    const CompareChoicesRead read = LoadCompareChoices(c.path, DefaultFileSystem());
    EXPECT_FALSE(read.choices.has_value()) << c.path;
    EXPECT_EQ(read.reason, c.reason) << c.path;
  }
}

}  // namespace
}  // namespace kestrin
