// The settings round trip of the real main window through a real Kestrin.ini
// in a scratch program directory.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tests/ui/common/main_support.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::MainWindowFixture;

// The line `key=...` of `ini`, or "(none)".
std::string Line(const std::string& ini, const std::string& key) {
  const size_t start = ini.find("\n" + key + "=");
  if (start == std::string::npos) return "(none)";
  const size_t end = ini.find_first_of("\r\n", start + 1);
  return ini.substr(start + 1, end - start - 1);
}

TEST(MainWindowSettingsTest, UnusableSelectorTextsKeepTheDesignedEntries) {
  MainWindowFixture fixture;
  fixture.scratch.Write(main_testing::MainWindowFixture::kSettingsRelative,
                        "[Kestrin]\nCompareType=9. Typed by hand\nListType=Wide\nXTab=12\n"
                        "UdcYN=Maybe\n");
  TFrmMain& window = fixture.Make();
  EXPECT_EQ(window.CompareTypeText(), "1. New and Old Files Specified");
  const ControlValues controls = window.Controls();
  EXPECT_EQ(controls.listing_type_text, "Chng");
  EXPECT_EQ(controls.tab_size_text, "4");
  EXPECT_EQ(controls.dudc_embedded, "No");
  // Each value no selector takes is named to the user with its key.
  const std::vector<std::string> messages = fixture.dialogs.Only("message:");
  ASSERT_EQ(messages.size(), 3u);
  const std::string settings_path =
      fixture.scratch.PathOf(main_testing::MainWindowFixture::kSettingsRelative);
  EXPECT_TRUE(messages[1].starts_with("The settings file \"" + settings_path +
                                      "\" has XTab=12, which is not one of 1, "))
      << messages[1];
}

TEST(MainWindowSettingsTest, EveryChoiceSurvivesARestart) {
  MainWindowFixture fixture;
  const std::string file_a = fixture.scratch.Write("A.txt", "a\n");
  const std::string file_b = fixture.scratch.Write("b.txt", "b\n");
  {
    TFrmMain& window = fixture.Make();
    window.move(70, 80);
    window.InsertNameHistoryTop(NameField::kNew, file_b);
    window.InsertNameHistoryTop(NameField::kNew, file_a);
    Child<QComboBox>(window, "MnCbNewName")->setEditText(QString::fromStdString(file_a));
    Child<QComboBox>(window, "MnCbOldName")->setEditText("/old/Dir");
    window.SetCompareTypeIndex(3);
    Child<QComboBox>(window, "MnCbListType")->setCurrentText("Delta");
    Child<QCheckBox>(window, "MnCkBypass")->click();
    Child<QCheckBox>(window, "MnCkHintsOff")->click();
    window.GoToPage(MainPage::kPreferences);
    Child<QCheckBox>(window, "PrCkSbsl")->click();
    Child<QCheckBox>(window, "PrCkCcol")->click();
    Child<QLineEdit>(window, "PrEdSubc")->setText("\"*\"");
    Child<QComboBox>(window, "PrCbXtab")->setCurrentText("2");
    Child<QLineEdit>(window, "PrEdCcolOld2")->setText("50:eol");
    window.GoToPage(MainPage::kDpOptions);
    Child<QRadioButton>(window, "DpRbDudc")->click();
    Child<QLineEdit>(window, "DpEdUdc")->setText("!");
    Child<QComboBox>(window, "DpCbUdcYN")->setCurrentText("Yes");
    EXPECT_FALSE(window.close()) << "the first close returns to the Main Panel";
    EXPECT_TRUE(window.close());
  }
  const std::string ini = fixture.scratch.Read(main_testing::MainWindowFixture::kSettingsRelative);
  const std::string expected_lines[] = {
      "Top=80",
      "Left=70",
      "NewDirNm=" + file_a,
      "NFCombo0=" + file_a,
      "NFCombo1=" + file_b,
      "OldDirNm=/old/Dir",
      "CompareType=4. Select from 2 Dir File Name List ...",
      "ListType=Delta",
      "ViewResults=1",
      "SubC=\"*\"",
      "XTab=2",
      "TurnOffHint=1",
      "OptsUsed=Dudc Sbsl Ccol",
      "DpEdUdc=!",
      "UdcYN=Yes",
      "CmpOSt2Col=50:eol",
  };
  for (const std::string& expected : expected_lines) {
    const std::string key = expected.substr(0, expected.find('='));
    EXPECT_EQ(Line(ini, key), expected) << ini;
  }

  TFrmMain& again = fixture.Make();
  EXPECT_EQ(again.pos(), QPoint(70, 80));
  EXPECT_EQ(again.NameText(NameField::kNew), file_a);
  EXPECT_EQ(again.NameHistory(NameField::kNew), (std::vector<std::string>{file_a, file_b}));
  EXPECT_EQ(again.NameText(NameField::kOld), "/old/Dir");
  EXPECT_EQ(again.CompareTypeText(), "4. Select from 2 Dir File Name List ...");
  EXPECT_TRUE(again.BypassChecked());
  EXPECT_TRUE(Child<QCheckBox>(again, "MnCkHintsOff")->isChecked());
  EXPECT_EQ(Child<QLabel>(again, "MnLblOptions")->text(), "Dudc Sbsl Ccol");
  const ControlValues controls = again.Controls();
  EXPECT_EQ(controls.listing_type_text, "Delta");
  EXPECT_TRUE(controls.Checked(Preference::kSbsl));
  EXPECT_TRUE(controls.Checked(Preference::kCcol));
  EXPECT_EQ(controls.dp_choice, static_cast<int>(DpChoice::kDudc));
  EXPECT_EQ(controls.subc_text, "\"*\"");
  EXPECT_EQ(controls.tab_size_text, "2");
  EXPECT_EQ(controls.dudc_tag, "!");
  EXPECT_EQ(controls.dudc_embedded, "Yes");
  EXPECT_EQ(controls.old_range2, "50:eol");
}

TEST(MainWindowSettingsTest, ADpChoiceLeftByAnotherTabIsStored) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kDpOptions);
  Child<QRadioButton>(window, "DpRbDblk")->click();
  window.GoToPage(MainPage::kMainPanel);
  EXPECT_EQ(Child<QLabel>(window, "MnLblOptions")->text(), "Dblk");
  EXPECT_TRUE(window.close());
  EXPECT_EQ(Line(fixture.scratch.Read(main_testing::MainWindowFixture::kSettingsRelative), "OptsUsed"), "OptsUsed=Dblk");
}

}  // namespace
}  // namespace kestrin
