// The main window's questions and messages as real modal message boxes,
// answered by a timer the moment they show.
#include "ui/main/main_window_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "report/report_lines.h"
#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

// What a message box showed.
struct BoxSeen {
  std::string title;
  std::string text;
  QMessageBox::StandardButtons buttons;
  bool modal = false;
};

// Answers the next modal message box with `answer` and records it in `seen`.
void AnswerNextBox(QMessageBox::StandardButton answer, BoxSeen& seen) {
  QTimer::singleShot(0, [answer, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle().toStdString(), box->text().toStdString(), box->standardButtons(),
            box->isModal()};
    box->button(answer)->click();
  });
}

TEST(MainWindowDialogsTest, QuestionsAreModalYesNoBoxesWithTheApplicationTitle) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  struct Case {
    QMessageBox::StandardButton answer;
    bool yes;
  };
  for (const Case& c : {Case{QMessageBox::Yes, true}, Case{QMessageBox::No, false}}) {
    BoxSeen seen;
    AnswerNextBox(c.answer, seen);
    EXPECT_EQ(dialogs.AskYesNo("Exit Now?"), c.yes);
    EXPECT_EQ(seen.title, "Kestrin");
    EXPECT_EQ(seen.text, "Exit Now?");
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(seen.modal);
  }
}

TEST(MainWindowDialogsTest, WithoutItsWindowsASelectionIsToldAndNoViewerOpens) {
  EnsureApplication();
  MainWindowDialogs dialogs;
  BoxSeen seen;
  AnswerNextBox(QMessageBox::Ok, seen);
  dialogs.ShowDirectoryLookup("/a", "/b");
  EXPECT_EQ(seen.text, "This selection window is not available in this version of Kestrin.");
  ReportLines report;
  report.Primary = {"INFORM: The processed files have differences."};
  dialogs.ShowReportViewer(report);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kestrin::ui_testing
