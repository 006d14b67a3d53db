// Helpers for the main window's widget tests: the one QApplication of a test
// program on the offscreen platform, a help viewer that shows nothing, a
// closer of message boxes, and a fixture that builds the real window in a
// scratch program directory with recording dialogs.
#ifndef KESTRIN_TESTS_UI_MAIN_SUPPORT_H_
#define KESTRIN_TESTS_UI_MAIN_SUPPORT_H_

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_dialogs.h"
#include "tests/common/child.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_help.h"

namespace kestrin::main_testing {

// Makes the test program's QApplication on first use, on the offscreen
// platform with one 1600 x 1000 screen (tests/ui/offscreen_screen.json)
// unless the environment chose another platform.
void EnsureApplication();

// Where screenshot `name` ("main_panel.png") is saved: under the build
// tree's screenshots folder (made if needed), the name taking the suffix
// KESTRIN_SCREENSHOT_SUFFIX names ("main_panel_x1.5.png"), so that runs at
// another scale keep their own pictures.
QString ScreenshotPath(const std::string& name);

using testkit::Child;

// A help viewer that opens every page without showing it.
class QuietHelpViewer : public HelpViewer {
 public:
  bool Open(const std::string&) override { return true; }
};

// The real main window made in a scratch program directory, on the real file
// system.
class MainWindowFixture {
 public:
  MainWindowFixture();
  ~MainWindowFixture();

  // Makes the window (again), as the program does at start with `arguments`.
  TFrmMain& Make(std::vector<std::string> arguments = {});
  TFrmMain& Window() { return *window_; }
  // The settings file: the scratch directory is both the program's
  // directory and the user's configuration directory.
  static constexpr char kSettingsRelative[] = "kestrin/Kestrin.ini";

  testkit::ScratchDirectory scratch;
  testkit::RecordingRunDialogs dialogs;
  QuietHelpViewer help;
  int program_endings = 0;

 private:
  std::unique_ptr<TFrmMain> window_;
};

// Closes every modal message box as soon as it shows, keeping the window it
// was modal over; a box nobody closes would stop the test for good.
class BoxCloser {
 public:
  BoxCloser();
  std::vector<QWidget*> owners;

 private:
  QTimer timer_;
};

// Types `text` into `widget` key by key, as the user does.
void TypeInto(QWidget* widget, const QString& text);

// `count` lines "line <n>", each ended by LF; every line whose number is a
// multiple of `changed_every` ends in " <tag>".
std::string NumberedLines(int count, int changed_every, std::string_view tag);

}  // namespace kestrin::main_testing

#endif  // KESTRIN_TESTS_UI_MAIN_SUPPORT_H_
