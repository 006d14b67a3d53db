// The main window's questions and messages as real modal message boxes,
// answered by a timer the moment they show.
#include "ui/main/main_window_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

// Answers the next modal message box with `answer`, writing what it showed
// into `seen`: "<title>|<text>|<yes/no, or other buttons>".
void AnswerNextBox(QMessageBox::StandardButton answer, std::string& seen) {
  QTimer::singleShot(0, [answer, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    const bool yes_no = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
    seen = box->windowTitle().toStdString() + "|" + box->text().toStdString() +
           (yes_no ? "|yes/no" : "|other");
    box->button(answer)->click();
  });
}

TEST(MainWindowDialogsTest, QuestionsAreModalYesNoBoxesWithTheApplicationTitle) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  for (const bool yes : {true, false}) {
    std::string seen;
    AnswerNextBox(yes ? QMessageBox::Yes : QMessageBox::No, seen);
    EXPECT_EQ(dialogs.AskYesNo("Exit Now?"), yes);
    EXPECT_EQ(seen, "Kestrin|Exit Now?|yes/no");
  }
}

TEST(MainWindowDialogsTest, WithoutItsWindowsASelectionIsToldAndNoViewerOpens) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  std::string seen;
  AnswerNextBox(QMessageBox::Ok, seen);
  dialogs.ShowDirectoryLookup("/a", "/b");
  EXPECT_EQ(seen,
            "Kestrin|This selection window is not available in this version of Kestrin.|other");
  ReportLines report;
  report.Primary = {"INFORM: The processed files have differences."};
  dialogs.ShowReportViewer(report);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kestrin::ui_testing
