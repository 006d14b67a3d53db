// The Dir/File Select page's rules without windows: placing the page on the
// name fields, Use As Dir and Use As File with their H/D questions, and
// Return with its compare-type question.
#include "views/dir_browser_select.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/path.h"
#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

// Directories "new" (with "Prog.c" and a subdirectory "sub") and "old" (with
// "prog.c"), and a page over them.
struct SelectPage {
  SelectPage() {
    harness.scratch.Write("new/Prog.c", "a\n");
    harness.scratch.Write("new/sub/inner.c", "a\n");
    harness.scratch.Write("old/prog.c", "a\n");
  }
  std::string Path(const std::string& relative) const { return harness.scratch.PathOf(relative); }
  // `text` with the new directory's path shown as "<new>".
  std::string Shown(std::string text) const {
    const std::string new_directory = Path("new");
    for (size_t at; (at = text.find(new_directory)) != std::string::npos;) {
      text.replace(at, new_directory.size(), "<new>");
    }
    return text;
  }
  void EnterWith(const std::string& new_name, const std::string& old_name) {
    harness.Names(new_name, old_name, 0);
    page.Enter();
  }
  int SubRow() const { return page.Browser().OpenRow() + 1; }

  RunHarness harness;
  DirSelectModel page{harness.view, harness.dialogs, DefaultFileSystem()};
};

TEST(DirBrowserSelectTest, EnteringThePagePlacesItOnTheNameFields) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/select_page_entries.txt")) {
    testkit::CaseScope scope(c);
    SelectPage fixture;
    DirSelectModel& page = fixture.page;
    const std::string before = page.Browser().OpenDirectory();
    const auto full = [&](const std::string& name) {
      return name == "-" || name.empty() ? std::string() : fixture.Path(name);
    };
    fixture.EnterWith(full(c[0]), full(c[1]));
    EXPECT_EQ(page.ReturnedName(NameField::kNew), full(c[2]));
    EXPECT_EQ(page.ReturnedName(NameField::kOld), full(c[3]));
    EXPECT_EQ(page.Browser().OpenDirectory(), c[4] == "<before>" ? before : full(c[4]));
    EXPECT_EQ(page.FileField(), c[5]);
    EXPECT_EQ(page.Browser().HighlightedFileName(), c[5]);
  }
}

TEST(DirBrowserSelectTest, NamesThatGiveNoPlaceShowTheListsAsTheyAreNow) {
  SelectPage fixture;
  fixture.EnterWith(fixture.Path("new"), "");
  fixture.harness.scratch.Write("new/Added.c", "a\n");
  fixture.EnterWith(fixture.Path("missing/x.c"), "");
  EXPECT_EQ(fixture.page.Browser().Files(), (Strings{"Added.c", "Prog.c"}));
}

TEST(DirBrowserSelectTest, UseAsDirTakesTheOpenDirectoryOrAsksToDoubleClick) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/use_as_dir.txt")) {
    for (NameField field : {NameField::kNew, NameField::kOld}) {
      testkit::CaseScope scope(c);
      SelectPage fixture;
      fixture.EnterWith(fixture.Path("new"), "");
      fixture.page.SetReturnedName(NameField::kNew, "");
      fixture.page.FileClicked(0);
      if (c.Flag(0)) fixture.page.Browser().Highlight(fixture.SubRow());
      if (!c[1].empty()) fixture.harness.dialogs.answers = {c.Flag(1)};
      fixture.page.UseAsDirClicked(field);
      EXPECT_EQ(fixture.Shown(fixture.page.ReturnedName(field)), c[2]);
      std::string asked;
      for (const std::string& question : fixture.harness.log.Only("ask:")) {
        asked += fixture.Shown(question);
      }
      EXPECT_EQ(asked, c[3]);
      EXPECT_EQ(fixture.page.FileField(), "");
    }
  }
}

TEST(DirBrowserSelectTest, UseAsFileTakesAnExistingHighlightedFileOfTheOpenDirectory) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/use_as_file.txt")) {
    testkit::CaseScope scope(c);
    SelectPage fixture;
    fixture.harness.view.subdirectories = c.Flag(5);
    fixture.EnterWith(fixture.Path("new"), fixture.Path("old"));
    fixture.page.SetReturnedName(NameField::kOld, "");
    if (c[0] != "-") fixture.page.FileClicked(static_cast<int>(c.Number(0)));
    if (c.Flag(1)) fixture.page.Browser().Highlight(fixture.SubRow());
    if (c.Flag(2)) fixture.harness.scratch.Remove("new/Prog.c");
    fixture.page.UseAsFileClicked(NameField::kOld);
    EXPECT_EQ(fixture.Shown(fixture.page.ReturnedName(NameField::kOld)), c[3]);
    std::string messages;
    for (const std::string& message : fixture.harness.log.Only("message:")) {
      messages += fixture.Shown(message);
    }
    EXPECT_EQ(messages, c[4]);
  }
}

TEST(DirBrowserSelectTest, ReturnWithAFileNameAndADirectoryCompareTypeAsksFirst) {
  const std::map<std::string, SelectPageExit> exits = {
      {"Main Panel", SelectPageExit::kMainPanel},
      {"stay", SelectPageExit::kStay},
      {"Main Panel with the names", SelectPageExit::kMainPanelWithNames}};
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/select_page_returns.txt")) {
    testkit::CaseScope scope(c);
    SelectPage fixture;
    fixture.EnterWith(fixture.Path("new/Prog.c"), fixture.Path("old"));
    fixture.harness.view.compare_type = kCompareTypeTexts[c.Number(0) - 1];
    if (!c[1].empty()) fixture.harness.dialogs.answers = {c.Flag(1)};
    EXPECT_EQ(fixture.page.ReturnClicked(), exits.at(c[2]));
    EXPECT_EQ(fixture.harness.log.Only("ask:"), c[1].empty() ? Strings{} : Strings{c[3]});
  }
}

}  // namespace
}  // namespace kestrin
