// The directory lookup dialog opened from the real pair windows: browsing to
// other directories and Return, which lists the pair dialog again on them;
// Cancel, which lists the earlier directories again; Old Dir's question.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "engine/path.h"
#include "run/run_controller.h"
#include "tests/ui/dir_support.h"

namespace kestrin {
namespace {

using dir_testing::Click;
using dir_testing::ClickEntry;
using dir_testing::DirWindowFixture;
using dir_testing::DoubleClickEntry;
using dir_testing::Rows;
using main_testing::Child;
using Strings = std::vector<std::string>;

// Two directory pairs: "one/new" and "one/old" share a.txt; "two/new" and
// "two/old" share b.txt and c.txt.
struct Lookup {
  Lookup() {
    for (const char* name : {"one/new/a.txt", "one/old/a.txt", "two/new/b.txt", "two/old/b.txt",
                             "two/new/c.txt", "two/old/c.txt"}) {
      fixture.scratch.Write(name, "text\n");
    }
    fixture.Make();
  }
  std::string Path(const std::string& relative) const { return fixture.scratch.PathOf(relative); }
  void Start(int compare_type, std::initializer_list<dir_testing::WindowScript> scripts) {
    fixture.Names(Path("one/new"), Path("one/old"), compare_type);
    fixture.dialogs.scripts = scripts;
    fixture.Start();
    EXPECT_TRUE(fixture.dialogs.scripts.empty()) << "every script ran";
  }

  DirWindowFixture fixture;
};

std::string Field(QDialog& window, const char* name) {
  return Child<QLineEdit>(window, name)->text().toStdString();
}
QTreeWidget* Directories(QDialog& window) { return Child<QTreeWidget>(window, "DLTvDirs"); }

TEST(DirLookupDialogTest, ReturnListsTheLikeNameDialogAgainOnTheChosenDirectories) {
  Lookup lookup;
  const std::string scratch_name = NamePart(lookup.fixture.scratch.Path());
  const auto open_lookup = [&](QDialog& window) {
    EXPECT_EQ(Rows(Child<QListWidget>(window, "LNAvailLBx")), Strings{"a.txt"});
    Click(window, "LNBtnDirLookUp");
  };
  const auto browse_and_return = [&](QDialog& window) {
    EXPECT_EQ(window.windowTitle().toStdString(), "Kestrin  Directory Selection Panel");
    EXPECT_EQ(Field(window, "DLEdNewDirName"), lookup.Path("one/new"));
    EXPECT_EQ(Field(window, "DLEdOldDirName"), lookup.Path("one/old"));
    EXPECT_EQ(Field(window, "DLEdDirPath"), lookup.Path("one/new"));
    DoubleClickEntry(Directories(window), scratch_name);
    DoubleClickEntry(Directories(window), "two");
    ClickEntry(Directories(window), "new");
    Click(window, "DLBtnNewDir");
    EXPECT_EQ(Field(window, "DLEdNewDirName"), lookup.Path("two/new"));
    DoubleClickEntry(Directories(window), "old");
    EXPECT_EQ(Field(window, "DLEdDirPath"), lookup.Path("two/old"));
    Click(window, "DLBtnOldDir");
    EXPECT_EQ(Field(window, "DLEdOldDirName"), lookup.Path("two/old"));
    dir_testing::SaveScreenshot(
        window, QStringLiteral(KESTRIN_BINARY_DIR "/screenshots/dir_lookup_dialog.png"));
    Click(window, "DLBtnReturn");
  };
  const auto listed_again = [&](QDialog& window) {
    EXPECT_EQ(Child<QLabel>(window, "LNLblNewPath")->text().toStdString(), lookup.Path("two/new"));
    EXPECT_EQ(Rows(Child<QListWidget>(window, "LNAvailLBx")), (Strings{"b.txt", "c.txt"}));
    Click(window, "LNBtnReturn");
  };
  lookup.Start(2, {open_lookup, browse_and_return, listed_again});
  EXPECT_EQ(lookup.fixture.Window().NameText(NameField::kNew), lookup.Path("two/new"));
  EXPECT_EQ(lookup.fixture.Window().NameText(NameField::kOld), lookup.Path("two/old"));
  EXPECT_EQ(lookup.fixture.dialogs.Only("window:"),
            (Strings{"TFrmLNm", "TFrmDirLookUp2", "TFrmLNm"}));
  EXPECT_TRUE(lookup.fixture.dialogs.Only("message:").empty());
}

TEST(DirLookupDialogTest, CancelListsTheTwoListDialogAgainOnTheEarlierDirectories) {
  Lookup lookup;
  const auto open_lookup = [](QDialog& window) { Click(window, "ULBtnDirLookUp"); };
  const auto browse_and_cancel = [&](QDialog& window) {
    DoubleClickEntry(Directories(window), "one");
    ClickEntry(Directories(window), "old");
    Click(window, "DLBtnNewDir");
    EXPECT_EQ(Field(window, "DLEdNewDirName"), lookup.Path("one/old"));
    Click(window, "DLBtnCancel");
  };
  const auto listed_again = [&](QDialog& window) {
    EXPECT_EQ(Child<QLabel>(window, "ULLblNewDir")->text().toStdString(), lookup.Path("one/new"));
    EXPECT_EQ(Rows(Child<QListWidget>(window, "ULLbNewFiles")), Strings{"a.txt"});
    Click(window, "ULBtnReturn");
  };
  lookup.Start(3, {open_lookup, browse_and_cancel, listed_again});
  EXPECT_EQ(lookup.fixture.Window().NameText(NameField::kNew), lookup.Path("one/new"));
  EXPECT_EQ(lookup.fixture.Window().NameText(NameField::kOld), lookup.Path("one/old"));
  EXPECT_EQ(lookup.fixture.dialogs.Only("window:"),
            (Strings{"TFrmULNm", "TFrmDirLookUp2", "TFrmULNm"}));
}

TEST(DirLookupDialogTest, OldDirWithAnUnopenedDirectoryAsksAndYesTakesTheOpenOne) {
  Lookup lookup;
  lookup.fixture.scratch.MakeDirectory("one/new/sub");
  lookup.fixture.dialogs.answers = {true};
  const auto open_lookup = [](QDialog& window) { Click(window, "LNBtnDirLookUp"); };
  const auto ask_and_close = [&](QDialog& window) {
    ClickEntry(Directories(window), "sub");
    Click(window, "DLBtnOldDir");
    EXPECT_EQ(Field(window, "DLEdOldDirName"), lookup.Path("one/new"));
    window.close();
    EXPECT_EQ(Field(window, "DLEdOldDirName"), lookup.Path("one/old"))
        << "closing is Cancel: the names remembered when the lookup was opened";
  };
  const auto listed_again = [&](QDialog& window) {
    EXPECT_EQ(Child<QLabel>(window, "LNLblOldPath")->text().toStdString(), lookup.Path("one/old"));
    Click(window, "LNBtnReturn");
  };
  lookup.Start(2, {open_lookup, ask_and_close, listed_again});
  const std::string open = lookup.Path("one/new");
  EXPECT_EQ(lookup.fixture.dialogs.Only("ask:"),
            Strings{"Directory  \"sub\" not double-clicked since \"" + open +
                    "\" is shown as expanded. Use \"" + open +
                    "\"? (Yes) or Return to reselect \"sub\" ? (No)"});
}

}  // namespace
}  // namespace kestrin
