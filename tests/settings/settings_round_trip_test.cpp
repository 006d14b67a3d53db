// Round trips: every value saved comes back unchanged (within the widths the
// file keeps), and saving again changes no byte.
#include <gtest/gtest.h>

#include <string>

#include "engine/path.h"
#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

class SettingsRoundTripTest : public ::testing::Test {
 protected:
  // The text of data/every_value.ini, which sets every value apart from its
  // default, with "<dir>" made the scratch directory, where the files its
  // histories name exist.
  std::string EveryValueText() {
    for (const char* name : {"a.c", "B.H", "c d.txt"}) directory_.Write(name, "x\n");
    std::string text =
        testkit::ReadFile(JoinPath(KESTRIN_SOURCE_DIR, "tests/settings/data/every_value.ini"));
    for (size_t at = text.find("<dir>"); at != std::string::npos; at = text.find("<dir>")) {
      text.replace(at, 5, directory_.path());
    }
    return text;
  }

  KestrinSettings EveryValueChanged() {
    return LoadSettings(directory_.Write("every.ini", EveryValueText()), DefaultFileSystem());
  }

  testkit::ScratchDirectory directory_;
  const std::string path_ = directory_.PathOf("Kestrin.ini");
};

TEST_F(SettingsRoundTripTest, EveryValueComesBack) {
  const KestrinSettings settings = EveryValueChanged();
  ASSERT_TRUE(SaveSettings(settings, path_, DefaultFileSystem()).saved);
  const KestrinSettings loaded = LoadSettings(path_, DefaultFileSystem());
  EXPECT_EQ(testkit::ReadFile(path_), EveryValueText()) << "every value is loaded and saved";
  EXPECT_EQ(SettingsDescription(loaded), SettingsDescription(settings));
}

TEST_F(SettingsRoundTripTest, SavingAgainChangesNoByte) {
  testkit::WriteFile(path_,
                     "; kept\r\n[Tools]\r\nEditor=vi\r\n\r\n[Kestrin]\r\nTop=1\r\n[Last]\nz=26\n");
  const KestrinSettings settings = EveryValueChanged();
  ASSERT_TRUE(SaveSettings(settings, path_, DefaultFileSystem()).saved);
  const std::string first = testkit::ReadFile(path_);
  ASSERT_TRUE(SaveSettings(settings, path_, DefaultFileSystem()).saved);
  EXPECT_EQ(testkit::ReadFile(path_), first);
  ASSERT_TRUE(
      SaveSettings(LoadSettings(path_, DefaultFileSystem()), path_, DefaultFileSystem()).saved);
  EXPECT_EQ(testkit::ReadFile(path_), first);
  EXPECT_TRUE(first.starts_with("; kept\r\n[Tools]\r\nEditor=vi\r\n\r\n[Kestrin]\nTop=12\n"))
      << first;
  EXPECT_TRUE(first.ends_with("\nSbsRp=1\nInclSubDirs=1\n\n[Last]\nz=26\n")) << first;
}

}  // namespace
}  // namespace kestrin
