// Opening the report viewers on a report of 1,000,000 lines, scrolling them
// page by page, and a find that reads every row, with the report's lines in
// memory and moved to spill files: the viewers compute rows only when
// painting, so opening costs the same for any report size.
// Runs on the offscreen platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>

#include "ui/viewer/report_viewer.h"
#include "ui/viewer/viewer_list_window.h"
#include "ui/viewer/viewer_split_window.h"

namespace kestrin {
namespace {

constexpr int kReportLines = 1'000'000;

class BenchMainWindow : public ViewerMainWindow {
 public:
  std::string NewDirectoryText() const override { return "/bench/new/"; }
  std::string OldDirectoryText() const override { return "/bench/old/"; }
  bool SbslChecked() const override { return sbsl; }
  void FocusExitButton() override {}
  bool sbsl = false;
};

class SilentMessages : public ViewerMessages {
 public:
  void ShowMessage(QWidget*, const QString&) override {}
};

// Where a report's lines are kept: in memory, or moved to spill files from
// the first line on.
enum class Kept { kInMemory, kSpilled };

// A report of kReportLines listing lines in the form the listing writes,
// and for `side_by_side` the same count on the right.
const ReportLines& LargeReport(bool side_by_side, Kept kept = Kept::kInMemory) {
  static ReportLines reports[2][2];
  ReportLines& report = reports[side_by_side ? 1 : 0][kept == Kept::kSpilled ? 1 : 0];
  if (!report.Primary.empty()) return report;
  if (kept == Kept::kSpilled) {
    report.Primary = StoredLines(0);
    report.Secondary = StoredLines(0);
  }
  const char* flags[] = {"    ", "I - ", "D - ", "IM- ", "RN- "};
  char line[160];
  for (int i = 0; i < kReportLines; ++i) {
    std::snprintf(line, sizeof line,
                  "%s  statement_%d(argument, other_argument);%*s%.5d              %.5d",
                  flags[i % 5], i, 30, "", i % 100000, i % 100000);
    report.Primary.push_back(line);
    if (side_by_side) report.Secondary.push_back(line);
  }
  report.settings.Long = true;
  report.settings.Sbsl = side_by_side;
  report.totals.insertions = kReportLines / 5;
  return report;
}

void ProcessEvents() { QCoreApplication::processEvents(); }

// The viewers of a program and what they read from its main window.
struct BenchViewers {
  explicit BenchViewers(bool side_by_side) { main_window.sbsl = side_by_side; }

  ViewerLayout layout;
  BenchMainWindow main_window;
  SilentMessages messages;
  ReportViewers viewers{layout, main_window, messages};
};

// Shows the large report while `while_shown` runs.
void WithViewerShown(bool side_by_side, Kept kept,
                     const std::function<void(ReportViewers&)>& while_shown) {
  BenchViewers bench(side_by_side);
  bench.viewers.SetModalShow([&](QDialog& viewer) {
    viewer.show();
    ProcessEvents();
    while_shown(bench.viewers);
    viewer.close();
    ProcessEvents();
  });
  bench.viewers.ShowReportViewer(LargeReport(side_by_side, kept));
}

// Times one opening: filling the viewer, showing it and its first paint.
void OpenViewer(benchmark::State& state, bool side_by_side, Kept kept = Kept::kInMemory) {
  const ReportLines& report = LargeReport(side_by_side, kept);
  BenchViewers bench(side_by_side);
  bench.viewers.SetModalShow([&](QDialog& viewer) {
    viewer.show();
    viewer.repaint();
    ProcessEvents();
    state.PauseTiming();
    viewer.close();
    ProcessEvents();
    state.ResumeTiming();
  });
  for (auto _ : state) bench.viewers.ShowReportViewer(report);
}

void BM_OpenSinglePanel(benchmark::State& state) { OpenViewer(state, false); }
void BM_OpenDualPanel(benchmark::State& state) { OpenViewer(state, true); }
void BM_OpenSinglePanelSpilled(benchmark::State& state) {
  OpenViewer(state, false, Kept::kSpilled);
}
void BM_OpenDualPanelSpilled(benchmark::State& state) { OpenViewer(state, true, Kept::kSpilled); }

// Times one page of scrolling of `list` with the repaint of `lists`, from the
// top to the bottom.
void ScrollPages(benchmark::State& state, ViewerListView& list,
                 std::initializer_list<ViewerListView*> lists) {
  const int page = list.viewport()->height() / list.sizeHintForRow(0);
  int top = 0;
  for (auto _ : state) {
    top = top + page < kReportLines ? top + page : 0;
    list.SetTopRow(top);
    for (ViewerListView* painted : lists) painted->viewport()->repaint();
  }
}

void ScrollSinglePanel(benchmark::State& state, Kept kept) {
  WithViewerShown(false, kept, [&](ReportViewers& viewers) {
    ViewerListView& list = viewers.SingleViewer().List();
    ScrollPages(state, list, {&list});
  });
}

// The right list follows the left one and both repaint.
void ScrollDualPanel(benchmark::State& state, Kept kept) {
  WithViewerShown(true, kept, [&](ReportViewers& viewers) {
    ViewerListView& left = viewers.DualViewer().LeftPane().List();
    ScrollPages(state, left, {&left, &viewers.DualViewer().RightPane().List()});
  });
}

void BM_ScrollSinglePanelPage(benchmark::State& state) { ScrollSinglePanel(state, Kept::kInMemory); }
void BM_ScrollDualPanelPage(benchmark::State& state) { ScrollDualPanel(state, Kept::kInMemory); }
void BM_ScrollSinglePanelPageSpilled(benchmark::State& state) {
  ScrollSinglePanel(state, Kept::kSpilled);
}
void BM_ScrollDualPanelPageSpilled(benchmark::State& state) {
  ScrollDualPanel(state, Kept::kSpilled);
}

// Times a find that reads all 1,000,000 rows without a match.
void FindThroughAllRows(benchmark::State& state, Kept kept) {
  const ReportLines& report = LargeReport(false, kept);
  for (auto _ : state) {
    const FindRequest request{QStringLiteral("no such text"), FindDirection::kDown, 0};
    benchmark::DoNotOptimize(FindSingleRow(report, request));
  }
}

void BM_FindThroughAllRows(benchmark::State& state) { FindThroughAllRows(state, Kept::kInMemory); }
void BM_FindThroughAllRowsSpilled(benchmark::State& state) {
  FindThroughAllRows(state, Kept::kSpilled);
}

BENCHMARK(BM_OpenSinglePanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDualPanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSinglePanelSpilled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDualPanelSpilled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollSinglePanelPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollDualPanelPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollSinglePanelPageSpilled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollDualPanelPageSpilled)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindThroughAllRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindThroughAllRowsSpilled)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestrin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
