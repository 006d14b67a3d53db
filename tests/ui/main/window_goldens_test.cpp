// Every window of the program as it first appears, walked control by control
// into tests/ui/golden/<window>.txt (KESTRIN_UPDATE_GOLDEN=1 rewrites them),
// and pictured under the build tree's screenshots/ folder for a person to
// look at, so that a caption typo or a lost control fails without a test
// restating each caption.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

// The name of `window`'s golden file: its object name, else its class name.
std::string WindowName(const QWidget& window) {
  if (!window.objectName().isEmpty()) return window.objectName().toStdString();
  const std::string type = window.metaObject()->className();
  return type.substr(type.rfind(':') + 1);
}

TEST(WindowGoldensTest, EveryWindowMatchesItsGoldenAndNoneIsLost) {
  // The directory browsers open on the current directory.
  const std::filesystem::path started_in = std::filesystem::current_path();
  std::filesystem::current_path("/");
  MainWindowFixture fixture;
  TFrmMain& main_window = fixture.Make();
  std::vector<QWidget*> windows = {&main_window, &main_window.Viewers().Legend()};
  for (QWidget* window : main_window.findChildren<QWidget*>()) {
    // Qt's own popups (a drop-down's list) are no window of the program.
    const bool own = !QString::fromLatin1(window->metaObject()->className()).startsWith('Q');
    if (window->isWindow() && own && window != windows[1]) windows.push_back(window);
  }
  std::set<std::string> walked;
  for (QWidget* window : windows) {
    window->ensurePolished();
    testkit::ExpectGoldenText("tests/ui/golden/" + WindowName(*window) + ".txt",
                              WalkControls(*window));
    SaveScreenshot(*window, WindowName(*window) + ".png");
    walked.insert(WindowName(*window));  // each viewer has its own FindDialog
  }

  std::set<std::string> goldens;
  for (const auto& file :
       std::filesystem::directory_iterator(KESTRIN_SOURCE_DIR "/tests/ui/golden")) {
    goldens.insert(file.path().stem().string());
  }
  EXPECT_EQ(walked, goldens) << "a window without its golden, or a golden without its window";
  std::filesystem::current_path(started_in);
}

}  // namespace
}  // namespace kestrin::ui_testing
