// Helpers for the widget tests: the one QApplication of a test program on the
// offscreen platform, keys and screenshots, the real main window in a scratch
// program directory with recording dialogs, and the viewers with a fake main
// window and a modal show a test acts inside.
#ifndef KESTRIN_TESTS_UI_COMMON_UI_SUPPORT_H_
#define KESTRIN_TESTS_UI_COMMON_UI_SUPPORT_H_

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "tests/common/child.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_help.h"
#include "ui/viewer/report_viewer.h"
#include "ui/viewer/viewer_messages.h"

namespace kestrin::ui_testing {

using print_testing::FilledReport;
using print_testing::NumberedLines;
using testkit::Child;

// Makes the test program's QApplication on first use, on the offscreen
// platform with one 1600 x 1000 screen (tests/ui/offscreen_screen.json)
// unless the environment chose another platform.
void EnsureApplication();

// `widget` and its controls, one line each, indented by `depth` and theirs:
// "<class> <object name> "<caption>"", then "hint="..."" and its state
// (hidden, disabled, checked, read-only, the entries of a list or drop-down
// and which is current).
std::string WalkControls(const QWidget& widget, int depth = 0);

// Lets the windows settle: pending events, layouts and paints.
void SettleWindows();

// Lets the windows settle and saves a picture of `window`, of its whole size,
// as build/screenshots/<name> with KESTRIN_SCREENSHOT_SUFFIX before the
// extension ("main_panel_x1.5.png"), so that each scale keeps its own.
void SaveScreenshot(QWidget& window, const std::string& name);

// Types `text` into `widget` key by key, as the user does.
void TypeInto(QWidget* widget, const QString& text);
// Presses and releases `key` (typing `text`) on `widget`.
void PressKey(QWidget* widget, int key, const QString& text = QString());

// A help viewer that opens every page without showing it.
class QuietHelpViewer : public HelpViewer {
 public:
  bool Open(const std::string&) override { return true; }
};

// The real main window in a scratch program directory, on the real files.
class MainWindowFixture {
 public:
  MainWindowFixture() { EnsureApplication(); }

  // Makes the window (again), as the program does at start with `arguments`.
  TFrmMain& Make(std::vector<std::string> arguments = {});
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

// Answers every modal message box with `answer` as soon as it shows, keeping
// the window it was modal over and what it showed, "<title>|<text>|yes/no"
// (or "|other" for other buttons); a box nobody closes would stop the test
// for good.
class BoxCloser {
 public:
  explicit BoxCloser(QMessageBox::StandardButton answer = QMessageBox::Ok);
  std::vector<QWidget*> owners;
  std::vector<std::string> shown;

 private:
  QTimer timer_;
};

// The Long report, with Fmvl and Lorl, of the files of common/data/, which
// shows every change flag (I, D, IM, DM, RN, RO) and UTF-8 and Latin-1 lines;
// side by side when `side_by_side`.
ReportLines RealReport(bool side_by_side);

// A viewer message fails the test: none is expected.
class UnexpectedViewerMessages : public ViewerMessages {
 public:
  void ShowMessage(QWidget*, const QString& text) override {
    ADD_FAILURE() << "a viewer showed the message: " << text.toStdString();
  }
};

class FakeViewerMainWindow : public ViewerMainWindow {
 public:
  std::string NewDirectoryText() const override { return new_directory; }
  std::string OldDirectoryText() const override { return old_directory; }
  bool SbslChecked() const override { return sbsl_checked; }
  void FocusExitButton() override { ++exit_focus_count; }

  std::string new_directory = KESTRIN_SOURCE_DIR "/tests/ui/common/data/new.c";
  std::string old_directory = KESTRIN_SOURCE_DIR "/tests/ui/common/data/old.c";
  bool sbsl_checked = false;
  int exit_focus_count = 0;
};

// The viewers as the main window makes them, print and save connected, with a
// modal show that shows the viewer, lets a test act on it while it is open
// and then closes it.
class ViewerRig {
 public:
  explicit ViewerRig(const ViewerLayout& stored = ViewerLayout());

  // Runs ShowReportViewer for `report`, calling `while_open` with the viewer
  // on display; fails the test when no viewer shows.
  void Show(const ReportLines& report, const std::function<void(ViewerWindow&)>& while_open);

  ReportViewers& Viewers() { return *viewers_; }

  ViewerLayout layout;
  FakeViewerMainWindow main_window;
  UnexpectedViewerMessages messages;
  print_testing::AnsweringSbsDialog sbs;  // asked for the dual panel's layout
  std::string out_fn;                     // the stored OutFn and SbsRp
  bool sbs_rp = false;

 private:
  std::unique_ptr<ReportViewers> viewers_;
};

}  // namespace kestrin::ui_testing

#endif  // KESTRIN_TESTS_UI_COMMON_UI_SUPPORT_H_
