// The settings round trip of the real main window through a real Kestrin.ini
// in a scratch program directory, and closing: from another page it only
// returns to the Main Panel; from the Main Panel it saves the settings and
// ends, even when the save fails.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

TEST(MainWindowSettingsTest, UnusableSelectorTextsKeepTheDesignedEntries) {
  MainWindowFixture fixture;
  fixture.scratch.Write(MainWindowFixture::kSettingsRelative,
                        "[Kestrin]\nCompareType=9. Typed by hand\nListType=Wide\nXTab=12\n"
                        "UdcYN=Maybe\n");
  TFrmMain& window = fixture.Make();
  EXPECT_EQ(window.CompareTypeText(), "1. New and Old Files Specified");
  // Each value no selector takes is named to the user, with the file.
  const std::vector<std::string> messages = fixture.dialogs.Only("message:");
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[1].find(fixture.scratch.PathOf(MainWindowFixture::kSettingsRelative)),
            std::string::npos)
      << messages[1];
}

// The settings file the window saved, the scratch directory shown as "<dir>",
// against main/golden/main_window_settings.ini.
void ExpectSavedSettingsGolden(const MainWindowFixture& fixture) {
  std::string ini = fixture.scratch.Read(MainWindowFixture::kSettingsRelative);
  const std::string& scratch = fixture.scratch.path();
  for (size_t at = ini.find(scratch); at != std::string::npos; at = ini.find(scratch)) {
    ini.replace(at, scratch.size(), "<dir>");
  }
  testkit::ExpectGoldenText("tests/ui/main/golden/main_window_settings.ini", ini);
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
    // The Dp choice left on its own page shows on the Main Panel.
    EXPECT_TRUE(Child<QLabel>(window, "MnLblOptions")->text().startsWith(QLatin1String("Dudc")));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(fixture.program_endings, 1);
  }
  ExpectSavedSettingsGolden(fixture);

  // Made again, the window shows every choice: closed, it saves what its
  // controls show, alike.
  TFrmMain& again = fixture.Make();
  fixture.scratch.Remove(MainWindowFixture::kSettingsRelative);
  EXPECT_TRUE(again.close());
  ExpectSavedSettingsGolden(fixture);
}

TEST(MainWindowSettingsTest, ASaveThatFailsIsToldAndTheProgramStillEnds) {
  MainWindowFixture fixture;
  // A directory where the settings file belongs cannot be replaced by a file.
  fixture.scratch.MakeDirectory(MainWindowFixture::kSettingsRelative);
  TFrmMain& window = fixture.Make();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(fixture.program_endings, 1);
  const std::vector<std::string> messages = fixture.dialogs.Only("message:");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].starts_with("The settings were not saved to")) << messages[0];
}

}  // namespace
}  // namespace kestrin::ui_testing
