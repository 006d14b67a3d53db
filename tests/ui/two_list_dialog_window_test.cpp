// Compare type 4 through the real two-list window: pairs of differently
// named files through to the finished run, the highlighted-selection fields,
// the filters with their histories and the messages.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "run/run_controller.h"
#include "run/run_texts.h"
#include "tests/ui/dir_support.h"

namespace kestrin {
namespace {

using dir_testing::Choose;
using dir_testing::Click;
using dir_testing::DirWindowFixture;
using dir_testing::Highlight;
using dir_testing::Rows;
using main_testing::Child;
using Strings = std::vector<std::string>;

// Directories "new" (alpha.c, beta.c, notes.txt) and "old" (gamma.c,
// delta.c): no like-named file at all.
struct TwoLists {
  TwoLists() {
    fixture.scratch.Write("new/alpha.c", "int a;\nint b;\n");
    fixture.scratch.Write("new/beta.c", "int b;\n");
    fixture.scratch.Write("new/notes.txt", "notes\n");
    fixture.scratch.Write("old/gamma.c", "int a;\n");
    fixture.scratch.Write("old/delta.c", "int d;\n");
    fixture.Make();
    fixture.Names(fixture.scratch.PathOf("new"), fixture.scratch.PathOf("old"), 3);
  }
  void Start(dir_testing::WindowScript script) {
    fixture.dialogs.scripts = {std::move(script)};
    fixture.Start();
    EXPECT_TRUE(fixture.dialogs.scripts.empty()) << "the dialog opened";
  }

  DirWindowFixture fixture;
};

std::string Text(QDialog& window, const char* name) {
  if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(name))) {
    return label->text().toStdString();
  }
  return Child<QLineEdit>(window, name)->text().toStdString();
}
QListWidget* List(QDialog& window, const char* name) { return Child<QListWidget>(window, name); }

TEST(TwoListDialogWindowTest, DifferentlyNamedFilesArePairedAndCompared) {
  TwoLists lists;
  lists.Start([&](QDialog& window) {
    EXPECT_EQ(window.windowTitle().toStdString(),
              "Kestrin File Selection of Unlike/Like Named File Pairs for Comparison");
    EXPECT_EQ(Rows(List(window, "ULLbNewFiles")), (Strings{"alpha.c", "beta.c", "notes.txt"}));
    EXPECT_EQ(Rows(List(window, "ULLbOldFiles")), (Strings{"delta.c", "gamma.c"}));
    EXPECT_EQ(Text(window, "ULLblNewCount"), "(3)");
    EXPECT_EQ(Text(window, "ULLblOldCount"), "(2)");
    EXPECT_EQ(Text(window, "ULLblSelectedCount"), "(0)");
    EXPECT_EQ(Text(window, "ULLblNewDir"), lists.fixture.scratch.PathOf("new"));
    EXPECT_EQ(Text(window, "ULLblOldDir"), lists.fixture.scratch.PathOf("old"));
    EXPECT_EQ(Text(window, "ULEdNewSelection"), "*.*");
    Choose(List(window, "ULLbNewFiles"), "alpha.c");
    Choose(List(window, "ULLbOldFiles"), "gamma.c");
    EXPECT_EQ(Text(window, "ULEdNewSelection"), "alpha.c");
    EXPECT_EQ(Text(window, "ULEdOldSelection"), "gamma.c");
    Click(window, "ULBtnSelectPair");
    EXPECT_EQ(Rows(List(window, "ULSelListBox")), Strings{"alpha.c : gamma.c"});
    EXPECT_EQ(Text(window, "ULLblSelectedCount"), "(1)");
    Choose(List(window, "ULLbNewFiles"), "beta.c");
    Choose(List(window, "ULLbOldFiles"), "delta.c");
    Click(window, "ULBtnSelectPair");
    EXPECT_EQ(Rows(List(window, "ULSelListBox")),
              (Strings{"alpha.c : gamma.c", "beta.c : delta.c"}));
    dir_testing::SaveScreenshot(
        window, QStringLiteral(KESTRIN_BINARY_DIR "/screenshots/two_list_dialog.png"));
    Click(window, "ULBtnStart");
  });
  EXPECT_FALSE(lists.fixture.Window().Controller().Flags().TwoListDialogOpen);
  const Strings& report = lists.fixture.dialogs.report;
  const auto heading =
      std::find(report.begin(), report.end(),
                " USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE OPTION (4)");
  ASSERT_NE(heading, report.end()) << ::testing::PrintToString(report);
  ASSERT_GE(report.end() - heading, 3);
  EXPECT_EQ(*(heading + 1), "  alpha.c  :  gamma.c");
  EXPECT_EQ(*(heading + 2), "  beta.c  :  delta.c");
  EXPECT_TRUE(lists.fixture.dialogs.Only("message:").empty());
}

TEST(TwoListDialogWindowTest, FiltersUndoAndMessages) {
  TwoLists lists;
  lists.Start([&](QDialog& window) {
    Choose(List(window, "ULLbNewFiles"), "beta.c");
    Click(window, "ULBtnSelectPair");
    Click(window, "ULBtnUndo");
    Click(window, "ULBtnStart");
    Choose(List(window, "ULLbOldFiles"), "delta.c");
    Click(window, "ULBtnSelectPair");
    Click(window, "ULBtnSelectPair");
    EXPECT_EQ(Rows(List(window, "ULSelListBox")),
              (Strings{"beta.c : delta.c", "beta.c : delta.c"}));
    Highlight(List(window, "ULSelListBox"), {});
    List(window, "ULSelListBox")->item(1)->setSelected(true);
    Click(window, "ULBtnUndo");
    EXPECT_EQ(Rows(List(window, "ULSelListBox")), Strings{"beta.c : delta.c"});

    auto* new_filter = Child<QComboBox>(window, "ULCbNewFilter");
    dir_testing::Enter(new_filter, "*.txt");
    EXPECT_EQ(Rows(List(window, "ULLbNewFiles")), Strings{"notes.txt"});
    EXPECT_EQ(Rows(List(window, "ULLbOldFiles")), (Strings{"delta.c", "gamma.c"}));
    EXPECT_EQ(Text(window, "ULLblNewCount"), "(1)");
    EXPECT_EQ(Text(window, "ULEdNewSelection"), "*.txt");
    dir_testing::Enter(new_filter, "");
    EXPECT_EQ(new_filter->currentText().toStdString(), "*.*");
    ASSERT_EQ(new_filter->count(), 2);
    EXPECT_EQ(new_filter->itemText(0).toStdString(), "*.*");
    EXPECT_EQ(new_filter->itemText(1).toStdString(), "*.txt");
    EXPECT_EQ(Rows(List(window, "ULSelListBox")), Strings{"beta.c : delta.c"})
        << "a filter leaves the pairs";
    Click(window, "ULBtnReturn");
  });
  EXPECT_EQ(lists.fixture.dialogs.Only("message:"),
            (Strings{kSelectEachComponentMessage, kNoPairsToUndoMessage, kNoPairsSelectedMessage}));
  EXPECT_TRUE(lists.fixture.dialogs.report.empty());
}

}  // namespace
}  // namespace kestrin
