// Closing the real main window: from another page it only returns to the
// Main Panel; from the Main Panel it saves the settings and ends.
#include <gtest/gtest.h>

#include <QPushButton>

#include "tests/ui/common/main_support.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::MainWindowFixture;

TEST(MainWindowClosingTest, ASecondCloseSavesTheSettingsAndEnds) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.close());
  EXPECT_EQ(fixture.program_endings, 1);
  EXPECT_NE(
      fixture.scratch.Read(main_testing::MainWindowFixture::kSettingsRelative).find("[Kestrin]"),
      std::string::npos);
}

TEST(MainWindowClosingTest, ASaveThatFailsIsToldAndTheProgramStillEnds) {
  MainWindowFixture fixture;
  // A directory where the settings file belongs cannot be replaced by a file.
  fixture.scratch.MakeDirectory(main_testing::MainWindowFixture::kSettingsRelative);
  TFrmMain& window = fixture.Make();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(fixture.program_endings, 1);
  ASSERT_EQ(fixture.dialogs.Only("message:").size(), 1u);
  EXPECT_TRUE(fixture.dialogs.Only("message:")[0].starts_with("The settings were not saved to"))
      << fixture.dialogs.Only("message:")[0];
}

}  // namespace
}  // namespace kestrin
