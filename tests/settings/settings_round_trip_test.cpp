// Round trips: every value saved comes back unchanged (within the widths the
// file keeps), and saving again changes no byte.
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

class SettingsRoundTripTest : public ::testing::Test {
 protected:
  // A record with every value different from its default; its histories
  // name files that exist.
  KestrinSettings EveryValueChanged() {
    KestrinSettings settings;
    settings.Top = 12;
    settings.Left = -7;
    settings.NewDirNm = directory_.PathOf("New Dir/");
    settings.OldDirNm = directory_.PathOf("OLD");
    for (const char* name : {"a.c", "B.H", "c d.txt"}) {
      testkit::WriteFile(directory_.PathOf(name), "x\n");
      settings.NFCombo.push_back(directory_.PathOf(name));
    }
    settings.OFCombo = {settings.NFCombo[2], settings.NFCombo[0]};
    settings.CompareType = "3. Like-Named Files Selected";
    settings.ViewResults = true;
    settings.TurnOffHint = true;
    settings.OptsUsed =
        "Dudc Icas Rovr Inpn Sbsl Fmvl Lorl Noss Xdpl Ieof Subc Xtab Txal Aeqf Fscl Chgo Txfo Ccol";
    settings.controls.dp_choice = static_cast<int>(DpChoice::kDudc);
    settings.controls.preferences.fill(true);
    settings.controls.listing_type_text = "Delta";
    settings.controls.subc_text = "\"*\"";
    settings.controls.tab_size_text = "8";
    settings.controls.dudc_tag = "--";
    settings.controls.dudc_embedded = "Yes";
    settings.controls.new_range1 = "2:40";
    settings.controls.new_range2 = "50:eol";
    settings.controls.old_range1 = "3:41";
    settings.controls.old_range2 = "51:EOL";
    settings.layout =
        ViewerLayout{"10", "12", "1", "22", "333", "4444", "5", "66", "777", "8888", "9999"};
    settings.SvULList = "a.c : a.c;b.h : b.hpp;";
    settings.SvLList = "a.c;b.h;";
    settings.OutFn = std::string(149, 'o');
    settings.SbsRp = true;
    settings.InclSubDirs = true;
    return settings;
  }

  KestrinSettings SavedAndLoaded(const KestrinSettings& settings) {
    const SaveOutcome outcome = SaveSettings(settings, path_, DefaultFileSystem());
    EXPECT_TRUE(outcome.saved) << outcome.reason;
    return LoadSettings(path_, DefaultFileSystem());
  }

  testkit::ScratchDirectory directory_;
  const std::string path_ = directory_.PathOf("Kestrin.ini");
};

TEST_F(SettingsRoundTripTest, EveryValueComesBack) {
  const KestrinSettings settings = EveryValueChanged();
  const KestrinSettings loaded = SavedAndLoaded(settings);
  EXPECT_EQ(SettingsDescription(loaded), SettingsDescription(settings));
  EXPECT_NE(SettingsDescription(loaded), SettingsDescription(KestrinSettings{}));
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
