// The main window's questions and messages as real modal message boxes,
// answered the moment they show.
#include "ui/main/main_window_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

using Strings = std::vector<std::string>;

TEST(MainWindowDialogsTest, QuestionsAreModalYesNoBoxesWithTheApplicationTitle) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  for (const bool yes : {true, false}) {
    BoxCloser closer(yes ? QMessageBox::Yes : QMessageBox::No);
    EXPECT_EQ(dialogs.AskYesNo("Exit Now?"), yes);
    EXPECT_EQ(closer.shown, Strings{"Kestrin|Exit Now?|yes/no"});
  }
}

TEST(MainWindowDialogsTest, WithoutItsWindowsASelectionIsToldAndNoViewerOpens) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  BoxCloser closer;
  dialogs.ShowDirectoryLookup("/a", "/b");
  ReportLines report;
  report.Primary = {"INFORM: The processed files have differences."};
  dialogs.ShowReportViewer(report);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(
      closer.shown,
      Strings{"Kestrin|This selection window is not available in this version of Kestrin.|other"});
}

}  // namespace
}  // namespace kestrin::ui_testing
