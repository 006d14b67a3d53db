// The Dir/File Select page of the real main window over real directories:
// placing it on the name fields, Use As Dir and Use As File with their
// questions, Return with the compare-type question, Cancel, and a picture.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <filesystem>

#include "run/run_controller.h"
#include "tests/ui/dir_support.h"
#include "views/dir_browser_texts.h"

namespace kestrin {
namespace {

using dir_testing::Click;
using dir_testing::ClickEntry;
using dir_testing::DirWindowFixture;
using dir_testing::DoubleClickEntry;
using dir_testing::Entries;
using main_testing::Child;
using Strings = std::vector<std::string>;

// A main window over directories "new" (files Main.c and notes.txt, a
// subdirectory "lib") and "old" (main.c).
struct PageFixture {
  PageFixture() {
    fixture.scratch.Write("new/Main.c", "int main;\n");
    fixture.scratch.Write("new/notes.txt", "notes\n");
    fixture.scratch.Write("new/lib/util.c", "int util;\n");
    fixture.scratch.Write("old/main.c", "int main;\n");
    window = &fixture.Make();
  }
  std::string Path(const std::string& relative) const { return fixture.scratch.PathOf(relative); }
  std::string Field(const char* name) const {
    return Child<QLineEdit>(*window, name)->text().toStdString();
  }
  QTreeWidget* List(const char* name) const { return Child<QTreeWidget>(*window, name); }
  void EnterPage(const std::string& new_name, const std::string& old_name, int compare_type) {
    fixture.Names(new_name, old_name, compare_type);
    window->GoToPage(MainPage::kDirFileSelect);
  }

  DirWindowFixture fixture;
  TFrmMain* window = nullptr;
};

TEST(DirSelectPageTest, EnteringThePagePlacesItOnTheNameFields) {
  PageFixture page;
  // Two files: the lists show the new one's place.
  page.EnterPage(page.Path("new/Main.c"), page.Path("old/main.c"), 0);
  EXPECT_EQ(page.Field("DSEdReturnedNew"), page.Path("new/Main.c"));
  EXPECT_EQ(page.Field("DSEdReturnedOld"), page.Path("old/main.c"));
  EXPECT_EQ(page.Field("DSEdFile"), "Main.c");
  EXPECT_EQ(page.Field("DSEdDirPath"), page.Path("new"));
  EXPECT_EQ(Entries(page.List("DSLbFiles")), "Main.c\nnotes.txt\n");
  ASSERT_NE(page.List("DSLbFiles")->currentItem(), nullptr);
  EXPECT_EQ(page.List("DSLbFiles")->currentItem()->text(0).toStdString(), "Main.c");
  const std::string entries = Entries(page.List("DSTvDirs"));
  EXPECT_TRUE(entries.ends_with("\nnew\nlib\n")) << entries;
  ASSERT_NE(page.List("DSTvDirs")->currentItem(), nullptr);
  EXPECT_EQ(page.List("DSTvDirs")->currentItem()->text(0).toStdString(), "new");
  EXPECT_EQ(Child<QComboBox>(*page.window, "DSCbDrive")->currentText(),
            page.List("DSTvDirs")->topLevelItem(0)->text(0))
      << "the drive holding the open directory heads the list";
  for (const char* list : {"DSTvDirs", "DSLbFiles"}) {
    EXPECT_EQ(page.List(list)->columnWidth(0), 1000) << list << " scrolls sideways";
  }
}

TEST(DirSelectPageTest, DoubleClickingAVanishedDirectoryTellsTheUser) {
  PageFixture page;
  page.EnterPage(page.Path("new"), "", 0);
  std::filesystem::remove_all(page.Path("new/lib"));
  DoubleClickEntry(page.List("DSTvDirs"), "lib");
  EXPECT_EQ(page.fixture.dialogs.Only("message:"),
            Strings{DirectoryNotOpenedMessage(page.Path("new/lib"))});
  EXPECT_EQ(page.Field("DSEdDirPath"), page.Path("new"));
  EXPECT_TRUE(Entries(page.List("DSTvDirs")).ends_with("\nnew\n")) << "lib is gone from the list";
}

TEST(DirSelectPageTest, ReturningAFileNameWithCompareType2AsksAboutTheCompareType) {
  struct Case {
    bool answer;
    MainPage page_after;
  };
  for (const Case c : {Case{true, MainPage::kMainPanel}, Case{false, MainPage::kDirFileSelect}}) {
    PageFixture page;
    page.EnterPage(page.Path("new"), page.Path("old"), 1);
    ClickEntry(page.List("DSLbFiles"), "notes.txt");
    EXPECT_EQ(page.Field("DSEdFile"), "notes.txt") << "answer " << c.answer;
    Click(*page.window, "DSBtnNewFile");
    EXPECT_EQ(page.Field("DSEdReturnedNew"), page.Path("new/notes.txt")) << "answer " << c.answer;
    page.fixture.dialogs.answers = {c.answer};
    Click(*page.window, "DSBtnReturn");
    EXPECT_EQ(page.fixture.dialogs.Only("ask:"), Strings{kFileNameConflictQuestion});
    EXPECT_EQ(page.window->CurrentPage(), c.page_after) << "answer " << c.answer;
    EXPECT_EQ(page.window->NameText(NameField::kNew), page.Path("new"))
        << "the names are not taken, answer " << c.answer;
    EXPECT_EQ(page.window->CompareTypeText(), kCompareTypeTexts[1]);
  }
}

TEST(DirSelectPageTest, UseAsDirAsksUntilTheHighlightedDirectoryIsOpened) {
  PageFixture page;
  page.EnterPage(page.Path("new"), page.Path("old"), 1);
  ClickEntry(page.List("DSTvDirs"), "lib");
  page.fixture.dialogs.answers = {true};
  Click(*page.window, "DSBtnOldDir");
  const Strings asked = page.fixture.dialogs.Only("ask:");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Highlighted directory  \"lib\" must be double-clicked since \"" +
                          page.Path("new") +
                          "\" does not agree with \"Use As Dir\" full path directory name. "
                          "Return To Double-click \"lib\"? (Yes) or Use \"" +
                          page.Path("new") + "\" ? (No)");
  EXPECT_EQ(page.Field("DSEdReturnedOld"), page.Path("old")) << "Yes leaves it to the user";

  DoubleClickEntry(page.List("DSTvDirs"), "lib");
  EXPECT_EQ(page.Field("DSEdDirPath"), page.Path("new/lib"));
  EXPECT_EQ(Entries(page.List("DSLbFiles")), "util.c\n");
  Click(*page.window, "DSBtnOldDir");
  EXPECT_EQ(page.fixture.dialogs.Only("ask:").size(), 1u) << "no second question";
  EXPECT_EQ(page.Field("DSEdReturnedOld"), page.Path("new/lib"));

  Click(*page.window, "DSBtnReturn");
  EXPECT_EQ(page.window->CurrentPage(), MainPage::kMainPanel);
  EXPECT_EQ(page.window->NameText(NameField::kNew), page.Path("new"));
  EXPECT_EQ(page.window->NameText(NameField::kOld), page.Path("new/lib"));
  EXPECT_EQ(page.window->NameHistory(NameField::kOld), Strings{page.Path("new/lib")});
}

TEST(DirSelectPageTest, UseAsFileUnderAHighlightedSubdirectoryShowsItsMessage) {
  PageFixture page;
  page.EnterPage(page.Path("new"), "", 0);
  Click(*page.window, "DSBtnNewFile");
  ClickEntry(page.List("DSLbFiles"), "Main.c");
  ClickEntry(page.List("DSTvDirs"), "lib");
  Click(*page.window, "DSBtnOldFile");
  EXPECT_EQ(
      page.fixture.dialogs.Only("message:"),
      (Strings{"Invalid File Name Used",
               "Highlighted directory  \"lib\" must be double-clicked since \"" + page.Path("new") +
                   "\" does not agree with \"Use As Dir subdirectory path name.  Return "
                   "required to double-click \"lib\" or make another choice."}));
  EXPECT_EQ(page.Field("DSEdReturnedOld"), "");
}

TEST(DirSelectPageTest, CancelPutsBackTheNamesOfWhenThePageWasEntered) {
  PageFixture page;
  page.EnterPage(page.Path("new"), page.Path("old"), 1);
  Click(*page.window, "DSBtnOldDir");
  EXPECT_EQ(page.Field("DSEdReturnedOld"), page.Path("new"));
  Click(*page.window, "DSBtnCancel");
  EXPECT_EQ(page.window->CurrentPage(), MainPage::kMainPanel);
  EXPECT_EQ(page.window->NameText(NameField::kNew), page.Path("new"));
  EXPECT_EQ(page.window->NameText(NameField::kOld), page.Path("old"));
}

TEST(DirSelectPageTest, Screenshot) {
  PageFixture page;
  page.EnterPage(page.Path("new/Main.c"), page.Path("old/main.c"), 0);
  ClickEntry(page.List("DSTvDirs"), "lib");
  dir_testing::SaveScreenshot(
      *page.window, QStringLiteral(KESTRIN_BINARY_DIR "/screenshots/dir_file_select.png"));
}

}  // namespace
}  // namespace kestrin
