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
#include "tests/views/print_support.h"
#include "ui/viewer/report_viewer.h"
#include "ui/viewer/viewer_messages.h"

namespace kestrin::viewer_testing {


using print_testing::FilledReport;

// `count` listing lines "    00001 line 1", "    00002 line 2", ...
std::vector<std::string> NumberedLines(int count, const std::string& stem = "line");

// The report of a real compare, in `directory` (made if needed), of the two
// small files of common/data/, whose listing shows every change flag (I, D,
// IM, DM, RN, RO: a reformatted line, three lines moved, one deleted, two
// inserted, one in UTF-8, and a deleted line in Latin-1), with
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


// Lets the windows settle: pending events, layouts and paints.
void SettleWindows();

}  // namespace kestrin::viewer_testing

#endif  // KESTRIN_TESTS_UI_VIEWER_SUPPORT_H_
