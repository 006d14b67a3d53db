// The Dir/File Select page's rules without windows: placing the page on the
// name fields, Use As Dir and Use As File with their H/D questions, and
// Return with its compare-type question.
#include "views/dir_browser_select.h"

#include <gtest/gtest.h>

#include "engine/path.h"
#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

constexpr char kUseSubdirQuestion[] =
    "Highlighted directory  \"sub\" must be double-clicked since \"<new>\" does not agree with "
    "\"Use As Dir\" full path directory name. Return To Double-click \"sub\"? (Yes) or Use "
    "\"<new>\" ? (No)";
constexpr char kFileUnderSubdirMessage[] =
    "Highlighted directory  \"sub\" must be double-clicked since \"<new>\" does not agree with "
    "\"Use As Dir subdirectory path name.  Return required to double-click \"sub\" or make "
    "another choice.";
constexpr char kConflictQuestion[] =
    "One or both of your selected names is a full file name.This conflicts with the \"Compare "
    "Type\" selected which requires a Dir only name. Return and change \"Compare Type\" (Yes) or "
    "Continue Selecting Dir (No) ";

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

TEST(DirBrowserSelectTest, UseAsDirTakesTheOpenDirectoryOrAsksToDoubleClick) {
  struct Case {
    bool highlight_sub;
    std::deque<bool> answers;
    std::string returned;  // "<new>" or ""
    Strings asked;
  };
  const Case cases[] = {
      {false, {}, "<new>", {}},
      {true, {false}, "<new>", {kUseSubdirQuestion}},
      {true, {true}, "", {kUseSubdirQuestion}},
  };
  for (const Case& c : cases) {
    for (NameField field : {NameField::kNew, NameField::kOld}) {
      SelectPage fixture;
      fixture.EnterWith(fixture.Path("new"), "");
      fixture.page.SetReturnedName(NameField::kNew, "");
      fixture.page.FileClicked(0);
      if (c.highlight_sub) fixture.page.Browser().Highlight(fixture.SubRow());
      fixture.harness.dialogs.answers = c.answers;
      fixture.page.UseAsDirClicked(field);
      const std::string context = "sub highlighted: " + std::to_string(c.highlight_sub) +
                                  ", answers: " + std::to_string(c.answers.size());
      EXPECT_EQ(fixture.Shown(fixture.page.ReturnedName(field)), c.returned) << context;
      Strings asked;
      for (const std::string& question : fixture.harness.log.Only("ask:")) {
        asked.push_back(fixture.Shown(question));
      }
      EXPECT_EQ(asked, c.asked) << context;
      EXPECT_EQ(fixture.page.FileField(), "") << context;
    }
  }
}

TEST(DirBrowserSelectTest, UseAsFileTakesAnExistingHighlightedFileOfTheOpenDirectory) {
  struct Case {
    const char* what;
    bool click_file;
    bool highlight_sub;
    bool remove_file;
    std::string returned;
    Strings messages;
  };
  const Case cases[] = {
      {"a file of the open directory", true, false, false, "<new>/Prog.c", {}},
      {"no file clicked", false, false, false, "", {"Invalid File Name Used"}},
      {"the file removed since", true, false, true, "", {"Invalid File Name Used"}},
      {"a subdirectory highlighted", true, true, false, "", {kFileUnderSubdirMessage}},
  };
  for (const Case& c : cases) {
    SelectPage fixture;
    fixture.EnterWith(fixture.Path("new"), fixture.Path("old"));
    fixture.page.SetReturnedName(NameField::kOld, "");
    if (c.click_file) fixture.page.FileClicked(0);
    if (c.highlight_sub) fixture.page.Browser().Highlight(fixture.SubRow());
    if (c.remove_file) fixture.harness.scratch.Remove("new/Prog.c");
    fixture.page.UseAsFileClicked(NameField::kOld);
    EXPECT_EQ(fixture.Shown(fixture.page.ReturnedName(NameField::kOld)), c.returned) << c.what;
    Strings messages;
    for (const std::string& message : fixture.harness.log.Only("message:")) {
      messages.push_back(fixture.Shown(message));
    }
    EXPECT_EQ(messages, c.messages) << c.what;
  }
}

TEST(DirBrowserSelectTest, ReturnWithAFileNameAndADirectoryCompareTypeAsksFirst) {
  struct Case {
    int compare_type;
    std::deque<bool> answers;
    SelectPageExit exit;
    size_t questions;
  };
  const Case cases[] = {
      {1, {true}, SelectPageExit::kMainPanel, 1},
      {1, {false}, SelectPageExit::kStay, 1},
      {3, {false}, SelectPageExit::kStay, 1},
      {0, {}, SelectPageExit::kMainPanelWithNames, 0},
  };
  for (const Case& c : cases) {
    SelectPage fixture;
    fixture.EnterWith(fixture.Path("new/Prog.c"), fixture.Path("old"));
    fixture.harness.view.compare_type = kCompareTypeTexts[c.compare_type];
    fixture.harness.dialogs.answers = c.answers;
    EXPECT_EQ(fixture.page.ReturnClicked(), c.exit) << "compare type " << c.compare_type;
    const Strings asked = fixture.harness.log.Only("ask:");
    ASSERT_EQ(asked.size(), c.questions) << "compare type " << c.compare_type;
    if (!asked.empty()) {
      EXPECT_EQ(asked[0], kConflictQuestion);
    }
  }
}

}  // namespace
}  // namespace kestrin
