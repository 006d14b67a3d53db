// Renders every page of the real main window into PNG files under
// KESTRIN_BINARY_DIR/screenshots/, for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>

#include "tests/ui/main_support.h"

namespace kestrin {
namespace {

using main_testing::MainWindowFixture;

TEST(MainWindowScreenshotsTest, RendersEveryPage) {
  const QString directory = QStringLiteral(KESTRIN_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(directory));
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make({"/home/user/src/new/report.c", "/home/user/src/old/report.c"});
  const char* const files[] = {"main_panel",      "main_dir_file_select", "main_preferences",
                               "main_dp_options", "main_about",           "main_overview"};
  for (int page = 0; page < kMainPageCount; ++page) {
    window.GoToPage(static_cast<MainPage>(page));
    const QPixmap picture = window.grab();
    EXPECT_EQ(picture.size(), window.size()) << files[page];
    const QString path = directory + "/" + files[page] + ".png";
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
  }
}

}  // namespace
}  // namespace kestrin
