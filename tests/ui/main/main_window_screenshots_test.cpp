// Renders every page of the real main window, as it stands after a real run
// of two files, into PNG files under KESTRIN_BINARY_DIR/screenshots/, for a
// person to look at.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>

#include "tests/ui/common/main_support.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::MainWindowFixture;
using main_testing::ScreenshotPath;

TEST(MainWindowScreenshotsTest, RendersEveryPageAfterARun) {
  MainWindowFixture fixture;
  const std::string new_file = fixture.scratch.Write("new/report.c", "int a;\nint b;\nint c;\n");
  const std::string old_file = fixture.scratch.Write("old/report.c", "int a;\nint c;\n");
  TFrmMain& window = fixture.Make({new_file, old_file});
  Child<QCheckBox>(window, "MnCkBypass")->setChecked(true);
  Child<QPushButton>(window, "MnBtnStart")->click();
  const char* const files[] = {"main_panel.png",      "main_dir_file_select.png",
                               "main_preferences.png", "main_dp_options.png",
                               "main_about.png",       "main_overview.png"};
  for (int page = 0; page < kMainPageCount; ++page) {
    window.GoToPage(static_cast<MainPage>(page));
    const QPixmap picture = window.grab();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), window.size()) << files[page];
    const QString path = ScreenshotPath(files[page]);
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
  }
}

}  // namespace
}  // namespace kestrin
