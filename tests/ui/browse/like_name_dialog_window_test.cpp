// Compare type 3 through the real like-name window: from Start through
// picking names to the finished run, and the window's own modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "run/run_controller.h"
#include "run/run_texts.h"
#include "tests/ui/common/dir_support.h"

namespace kestrin {
namespace {

using dir_testing::Click;
using dir_testing::DirWindowFixture;
using dir_testing::Highlight;
using dir_testing::Rows;
using main_testing::Child;
using Strings = std::vector<std::string>;

// Directories "new" and "old" holding the like-named files b.txt, A.c,
// d.txt and c.h (b.txt and d.txt differ), and "only-new.txt" in "new".
struct LikeNames {
  LikeNames() {
    for (const char* name : {"A.c", "c.h"}) {
      fixture.scratch.Write(std::string("new/") + name, "same\n");
      fixture.scratch.Write(std::string("old/") + name, "same\n");
    }
    fixture.scratch.Write("new/b.txt", "one\ntwo\n");
    fixture.scratch.Write("old/b.txt", "one\n");
    fixture.scratch.Write("new/d.txt", "three\n");
    fixture.scratch.Write("old/d.txt", "four\n");
    fixture.scratch.Write("new/only-new.txt", "x\n");
  }
  void StartWith(std::initializer_list<dir_testing::WindowScript> scripts) {
    fixture.Make();
    fixture.Names(fixture.scratch.PathOf("new"), fixture.scratch.PathOf("old"), 2);
    fixture.dialogs.scripts = scripts;
    fixture.Start();
    EXPECT_TRUE(fixture.dialogs.scripts.empty()) << "every script ran";
  }

  DirWindowFixture fixture;
};

QListWidget* List(QDialog& window, const char* name) { return Child<QListWidget>(window, name); }
std::string Label(QDialog& window, const char* name) {
  return Child<QLabel>(window, name)->text().toStdString();
}

TEST(LikeNameDialogWindowTest, TwoPickedNamesRunAndTheSummaryListsThem) {
  LikeNames names;
  bool open_during_run = false;
  names.StartWith({[&](QDialog& window) {
    EXPECT_EQ(Label(window, "LNLblNewPath"), names.fixture.scratch.PathOf("new"));
    Highlight(List(window, "LNAvailLBx"), {"d.txt", "b.txt"});
    Click(window, "LNBtnSelect");
    EXPECT_EQ(Rows(List(window, "LNSelLBx")), (Strings{"b.txt", "d.txt"}));
    EXPECT_EQ(Rows(List(window, "LNAvailLBx")), (Strings{"A.c", "c.h"}));
    EXPECT_EQ(Label(window, "LNLblPairedCount"), "(2)");
    EXPECT_EQ(Label(window, "LNLblSelectedCount"), "(2)");
    QObject::connect(Child<QLineEdit>(names.fixture.Window(), "MnEdStatus"),
                     &QLineEdit::textChanged, &window, [&] {
                       open_during_run |=
                           names.fixture.Window().Controller().Flags().LikeNameDialogOpen &&
                           window.isHidden();
                     });
    Click(window, "LNBtnStart");
  }});
  EXPECT_TRUE(open_during_run) << "the dialog is hidden, and counts as open, during the run";
  EXPECT_FALSE(names.fixture.Window().Controller().Flags().LikeNameDialogOpen);
  EXPECT_EQ(names.fixture.Window().Controller().Pairs().new_names, (Strings{"b.txt", "d.txt"}));
  EXPECT_EQ(names.fixture.dialogs.log.Count("viewer"), 1);
  EXPECT_EQ(names.fixture.dialogs.log.Count("hide-dialog"), 1);
  EXPECT_TRUE(names.fixture.dialogs.Only("message:").empty());
}

TEST(LikeNameDialogWindowTest, TheModalWindowRunsAndEndsItsOwnEventLoop) {
  LikeNames names;
  names.fixture.Make();
  names.fixture.Window().BrowserWindows().SetModalLoop([](QDialog& window) { window.exec(); });
  names.fixture.Names(names.fixture.scratch.PathOf("new"), names.fixture.scratch.PathOf("old"), 2);
  std::string shown;
  QTimer::singleShot(0, [&shown] {
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    shown = window->objectName().toStdString();
    Click(*window, "LNBtnSelectAll");
    Click(*window, "LNBtnStart");
  });
  names.fixture.Start();
  EXPECT_EQ(shown, "TFrmLNm");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window has closed";
  EXPECT_EQ(names.fixture.Window().Controller().Pairs().new_names,
            (Strings{"A.c", "b.txt", "c.h", "d.txt"}));
  EXPECT_FALSE(names.fixture.dialogs.viewed.empty());
}

}  // namespace
}  // namespace kestrin
