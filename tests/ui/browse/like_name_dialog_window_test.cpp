// Compare type 3 through the real like-name window, wired as the program
// wires it: from Start through picking names to the finished run, and the
// window's own modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "engine/file_system.h"
#include "run/run_controller.h"
#include "tests/ui/common/main_support.h"
#include "ui/browse/dir_browser_windows.h"
#include "ui/main/program_windows.h"
#include "ui/viewer/report_viewer.h"

namespace kestrin {
namespace {

using main_testing::Child;
using Strings = std::vector<std::string>;

// The program's windows over directories "new" and "old" holding the
// like-named files A.c, b.txt, c.h and d.txt (b.txt and d.txt differ) and
// "only-new.txt" in "new", with compare type 3 chosen; a report viewer is
// counted instead of shown.
struct LikeNames {
  LikeNames() {
    main_testing::EnsureApplication();
    for (const char* name : {"A.c", "c.h"}) {
      scratch.Write(std::string("new/") + name, "same\n");
      scratch.Write(std::string("old/") + name, "same\n");
    }
    scratch.Write("new/b.txt", "one\ntwo\n");
    scratch.Write("old/b.txt", "one\n");
    scratch.Write("new/d.txt", "three\n");
    scratch.Write("old/d.txt", "four\n");
    scratch.Write("new/only-new.txt", "x\n");
    windows = std::make_unique<ProgramWindows>(
        SettingsPlace{scratch.path(), scratch.path(), ""},
        std::vector<std::string>{scratch.PathOf("new"), scratch.PathOf("old")}, DefaultFileSystem(),
        help);
    Main().show();
    Main().SetCompareTypeIndex(2);
    Main().Viewers().SetModalShow([this](QDialog&) { ++viewers_shown; });
  }
  TFrmMain& Main() { return windows->MainWindow(); }

  testkit::ScratchDirectory scratch;
  main_testing::QuietHelpViewer help;
  std::unique_ptr<ProgramWindows> windows;
  int viewers_shown = 0;
  main_testing::BoxCloser messages;
};

void Click(QWidget& window, const char* name) { Child<QPushButton>(window, name)->click(); }

Strings Rows(const QListWidget* list) {
  Strings rows;
  for (int row = 0; row < list->count(); ++row)
    rows.push_back(list->item(row)->text().toStdString());
  return rows;
}

std::string Label(QDialog& window, const char* name) {
  return Child<QLabel>(window, name)->text().toStdString();
}

TEST(LikeNameDialogWindowTest, TwoPickedNamesRun) {
  LikeNames names;
  bool open_during_run = false;
  names.Main().BrowserWindows().SetModalLoop([&](QDialog& window) {
    window.show();
    auto* available = Child<QListWidget>(window, "LNAvailLBx");
    for (const char* name : {"b.txt", "d.txt"}) {
      available->findItems(QString::fromLatin1(name), Qt::MatchExactly).front()->setSelected(true);
    }
    Click(window, "LNBtnSelect");
    EXPECT_EQ(Rows(Child<QListWidget>(window, "LNSelLBx")), (Strings{"b.txt", "d.txt"}));
    EXPECT_EQ(Rows(available), (Strings{"A.c", "c.h"}));
    EXPECT_EQ(Label(window, "LNLblPairedCount"), "(2)");
    EXPECT_EQ(Label(window, "LNLblSelectedCount"), "(2)");
    EXPECT_EQ(Label(window, "LNLblNewPath"), names.scratch.PathOf("new"));
    QObject::connect(
        Child<QLineEdit>(names.Main(), "MnEdStatus"), &QLineEdit::textChanged, &window, [&] {
          open_during_run |=
              names.Main().Controller().Flags().LikeNameDialogOpen && window.isHidden();
        });
    Click(window, "LNBtnStart");
  });
  Click(names.Main(), "MnBtnStart");
  EXPECT_TRUE(open_during_run) << "the dialog is hidden, and counts as open, during the run";
  EXPECT_FALSE(names.Main().Controller().Flags().LikeNameDialogOpen);
  EXPECT_EQ(names.Main().Controller().Pairs().new_names, (Strings{"b.txt", "d.txt"}));
  EXPECT_EQ(names.viewers_shown, 1);
  EXPECT_TRUE(names.messages.owners.empty());
}

TEST(LikeNameDialogWindowTest, TheModalWindowRunsAndEndsItsOwnEventLoop) {
  LikeNames names;
  std::string shown;
  QTimer::singleShot(0, [&shown] {
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    shown = window->objectName().toStdString();
    Click(*window, "LNBtnSelectAll");
    Click(*window, "LNBtnStart");
  });
  Click(names.Main(), "MnBtnStart");
  EXPECT_EQ(shown, "TFrmLNm");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window has closed";
  EXPECT_EQ(names.Main().Controller().Pairs().new_names, (Strings{"A.c", "b.txt", "c.h", "d.txt"}));
  EXPECT_EQ(names.viewers_shown, 1);
}

}  // namespace
}  // namespace kestrin
