// Helpers for the viewer tests: the test program's QApplication, reports
// filled line by line or made by a real compare, and a main window and
// messages that record what the viewers asked of them.
#ifndef KESTRIN_TESTS_UI_VIEWER_SUPPORT_H_
#define KESTRIN_TESTS_UI_VIEWER_SUPPORT_H_

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "ui/viewer/report_viewer.h"
#include "ui/viewer/viewer_messages.h"

namespace kestrin::viewer_testing {

// Makes the test program's QApplication on first use, unless one exists, on
// the offscreen platform unless the environment chose another.
void EnsureViewerApplication();

// A report holding `primary` and `secondary`; with `summary_start` >= 0 its
// summary starts at that Primary line.
ReportLines FilledReport(std::vector<std::string> primary, std::vector<std::string> secondary = {},
                         int summary_start = -1);

// `count` listing lines "    00001 line 1", "    00002 line 2", ...
std::vector<std::string> NumberedLines(int count, const std::string& stem = "line");

// The report of a real compare, in `directory` (made if needed), of two small
// files whose listing shows every change flag (I, D, IM, DM, RN, RO), with
// Fmvl and Lorl and listing type Long; side by side when `side_by_side`.
ReportLines RealReport(const std::string& directory, bool side_by_side);

class RecordingViewerMessages : public ViewerMessages {
 public:
  void ShowMessage(QWidget* window, const QString& text) override;
  std::vector<std::string> shown;
};

class FakeViewerMainWindow : public ViewerMainWindow {
 public:
  std::string NewDirectoryText() const override { return new_directory; }
  std::string OldDirectoryText() const override { return old_directory; }
  bool SbslChecked() const override { return sbsl_checked; }
  void FocusExitButton() override { ++exit_focus_count; }

  std::string new_directory = "/work/new/";
  std::string old_directory = "/work/old/";
  bool sbsl_checked = false;
  int exit_focus_count = 0;
};

// The viewers as the main window makes them, with a modal show that shows the
// viewer, lets a test act on it while it is open and then closes it.
class ViewerRig {
 public:
  explicit ViewerRig(const ViewerLayout& stored = ViewerLayout());

  // Runs ShowReportViewer for `report`, calling `while_open` with the viewer
  // on display.
  void Show(const ReportLines& report, const std::function<void(ViewerWindow&)>& while_open);

  ReportViewers& Viewers() { return *viewers_; }

  ViewerLayout layout;
  FakeViewerMainWindow main_window;
  RecordingViewerMessages messages;

 private:
  std::unique_ptr<ReportViewers> viewers_;
};

// Expects every control of `viewer`'s top band to carry its caption, hint and
// object name from `texts`.
void ExpectViewerBand(ViewerWindow& viewer, const ViewerBandTexts& texts);

// Lets the windows settle: pending events, layouts and paints.
void SettleWindows();

}  // namespace kestrin::viewer_testing

#endif  // KESTRIN_TESTS_UI_VIEWER_SUPPORT_H_
