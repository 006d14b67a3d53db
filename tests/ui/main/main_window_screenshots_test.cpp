// Renders every page of the real main window, as it stands after a real run
// of two files, into PNG files under KESTRIN_BINARY_DIR/screenshots/, for a
// person to look at.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

TEST(MainWindowScreenshotsTest, RendersEveryPageAfterARun) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make({KESTRIN_SOURCE_DIR "/tests/ui/common/data/new.c",
                                   KESTRIN_SOURCE_DIR "/tests/ui/common/data/old.c"});
  Child<QCheckBox>(window, "MnCkBypass")->setChecked(true);
  Child<QPushButton>(window, "MnBtnStart")->click();
  const char* const files[] = {"main_panel.png",       "main_dir_file_select.png",
                               "main_preferences.png", "main_dp_options.png",
                               "main_about.png",       "main_overview.png"};
  for (int page = 0; page < kMainPageCount; ++page) {
    window.GoToPage(static_cast<MainPage>(page));
    SaveScreenshot(window, files[page]);
  }
}

}  // namespace
}  // namespace kestrin::ui_testing
