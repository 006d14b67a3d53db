// Compare type 3 through the real like-name window, wired as the program
// wires it: from Start through picking names in the window's own modal loop
// to the finished run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "run/run_controller.h"
#include "tests/ui/common/ui_support.h"
#include "ui/main/program_windows.h"

namespace kestrin::ui_testing {
namespace {

using Strings = std::vector<std::string>;

void Click(QWidget& window, const char* name) { Child<QPushButton>(window, name)->click(); }

// The program's windows over browse/data/new and browse/data/old, which hold
// the like-named files A.c, b.txt, c.ini and d.txt (b.txt and d.txt differ) and
// "only-new.txt" in "new", with compare type 3 chosen. In the window, b.txt
// and d.txt are picked and then all names; a report viewer is counted
// instead of shown.
TEST(LikeNameDialogWindowTest, PickedNamesRunFromTheModalWindow) {
  EnsureApplication();
  testkit::ScratchDirectory scratch;
  const std::string data = KESTRIN_SOURCE_DIR "/tests/ui/browse/data/";
  QuietHelpViewer help;
  ProgramWindows windows(SettingsPlace{scratch.path(), scratch.path(), ""},
                         {data + "new", data + "old"}, DefaultFileSystem(), help);
  TFrmMain& main_window = windows.MainWindow();
  main_window.show();
  main_window.SetCompareTypeIndex(2);
  int viewers_shown = 0;
  main_window.Viewers().SetModalShow([&](QDialog&) { ++viewers_shown; });
  BoxCloser messages;

  std::string shown;
  bool open_during_run = false;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    shown = window->objectName().toStdString();
    auto* available = Child<QListWidget>(*window, "LNAvailLBx");
    for (const char* name : {"b.txt", "d.txt"}) {
      available->findItems(QString::fromLatin1(name), Qt::MatchExactly).front()->setSelected(true);
    }
    Click(*window, "LNBtnSelect");
    // The window's lists, counts and directories, the data folder as "<data>/".
    std::string controls = WalkControls(*window);
    for (size_t at; (at = controls.find(data)) != std::string::npos;) {
      controls.replace(at, data.size(), "<data>/");
    }
    testkit::ExpectGoldenText("tests/ui/browse/golden/like_names_picked.txt", controls);
    Click(*window, "LNBtnSelectAll");
    QObject::connect(
        Child<QLineEdit>(main_window, "MnEdStatus"), &QLineEdit::textChanged, window, [&, window] {
          open_during_run |=
              main_window.Controller().Flags().LikeNameDialogOpen && window->isHidden();
        });
    Click(*window, "LNBtnStart");
  });
  Click(main_window, "MnBtnStart");
  EXPECT_EQ(shown, "TFrmLNm");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window has closed";
  EXPECT_TRUE(open_during_run) << "the window is hidden, and counts as open, during the run";
  EXPECT_FALSE(main_window.Controller().Flags().LikeNameDialogOpen);
  EXPECT_EQ(main_window.Controller().Pairs().new_names,
            (Strings{"A.c", "b.txt", "c.ini", "d.txt"}));
  EXPECT_EQ(viewers_shown, 1);
  EXPECT_TRUE(messages.owners.empty());
}

}  // namespace
}  // namespace kestrin::ui_testing
