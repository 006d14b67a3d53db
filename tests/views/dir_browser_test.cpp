// The directory browser over real directories, and the Dir/File Select page
// on it, without windows. Each case of cases/browser_steps.txt acts on a
// fresh tree: the entries around the open directory, which entry is H,
// opening entries and drives, directories that vanish, and the file list
// under a mask. Each case of cases/select_page_steps.txt acts on a fresh
// page: placing it on the name fields, Use As Dir and Use As File with their
// H/D questions, and Return with its compare-type question. What each shows
// after each step is in golden/browser_steps.txt and
// golden/select_page_steps.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"
#include "views/dir_browser_model.h"
#include "views/dir_browser_select.h"

namespace kestrin {
namespace {

using run_support::Joined;
using run_support::Placed;

// A scratch tree: project with three subdirectories and three files, opened.
struct BrowseTree {
  BrowseTree() {
    for (const char* name : {"project/beta", "project/Zeta", "project/alpha/deep"}) {
      scratch.MakeDirectory(name);
    }
    for (const char* name : {"project/b.TXT", "project/a.txt", "project/c.c"}) {
      scratch.Write(name, "x\n");
    }
    browser.SetDrives({scratch.path()});
    EXPECT_TRUE(browser.Open(scratch.PathOf("project")));
  }

  // The row of the entry `text`, or `text` read as a row number.
  int RowOf(const std::string& text) const {
    for (size_t row = 0; row < browser.Rows().size(); ++row) {
      if (browser.Rows()[row].text == text) return static_cast<int>(row);
    }
    return std::stoi(text);
  }

  // Acts out one step -- "open <relative>", "entry <entry>", "highlight
  // <entry>", "remove <relative>", "reload", "drives" (the root and the
  // scratch directory), "drive <index>", "mask <mask>", "file-named <name>",
  // "file <row>" -- and gives its result (1 or 0, the drives, or -).
  std::string Act(const std::string& step) {
    std::istringstream words(step);
    std::string verb, rest;
    words >> verb;
    std::getline(words >> std::ws, rest);
    if (verb == "open")
      return std::to_string(browser.Open(rest.empty() ? "" : scratch.PathOf(rest)));
    if (verb == "entry") return std::to_string(browser.OpenEntry(RowOf(rest)));
    if (verb == "drive") return std::to_string(browser.OpenDrive(std::stoi(rest)));
    if (verb == "file-named") return std::to_string(browser.HighlightFileNamed(rest));
    if (verb == "drives") {
      browser.SetDrives({"/", scratch.path() + "/"});
      return Placed(browser.Drives()[0] + " " + browser.Drives()[1], scratch.path());
    }
    if (verb == "highlight") browser.Highlight(RowOf(rest));
    if (verb == "remove") std::filesystem::remove_all(scratch.PathOf(rest));
    if (verb == "reload") browser.Reload();
    if (verb == "mask") browser.SetMask(rest);
    if (verb == "file") browser.HighlightFile(std::stoi(rest));
    return "-";
  }

  // What the browser shows: the open directory, its row and the drive; the
  // entries "<depth><A|O|S> <text>" and the files (inside the scratch
  // directory only); the H entry, its path and whether it is open; the mask
  // and the highlighted file's row, name and path.
  std::string Shown() const {
    std::string text = browser.OpenDirectory() + " row " + std::to_string(browser.OpenRow()) +
                       " on " + browser.Drive() + " [";
    const bool inside = browser.OpenDirectory().starts_with(scratch.path());
    for (const DirRow& row : inside ? browser.Rows() : std::vector<DirRow>{}) {
      const char* kind = row.kind == DirRowKind::kAncestor ? "A"
                         : row.kind == DirRowKind::kOpen   ? "O"
                                                           : "S";
      text += " " + std::to_string(row.depth) + kind + " " + row.text;
    }
    text += " ] files [";
    for (const std::string& file : inside ? browser.Files() : std::vector<std::string>{}) {
      text += " " + file;
    }
    return Placed(text + " ] H " + browser.HighlightedEntry() + " " + browser.HighlightedPath() +
                      (browser.HighlightedIsOpen() ? " open" : "") + " mask " + browser.Mask() +
                      " file " + std::to_string(browser.HighlightedFile()) + " " +
                      browser.HighlightedFileName() + " " + browser.HighlightedFilePath(),
                  scratch.path());
  }

  run_support::ScratchDirectory scratch{run_support::kRunFileTime};
  DirBrowserModel browser{DefaultFileSystem()};
};

TEST(DirBrowserModelTest, StepsShowTheirGoldenStates) {
  std::vector<std::string> transcript;
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/browser_steps.txt")) {
    BrowseTree tree;
    transcript.push_back("case " + c.Where() + ": " + tree.Shown());
    std::istringstream steps(c[0]);
    for (std::string step; std::getline(steps >> std::ws, step, ';');) {
      const std::string result = tree.Act(step);
      transcript.push_back(step + " -> " + result + " " + tree.Shown());
    }
  }
  testkit::ExpectGoldenLines("tests/views/golden/browser_steps.txt", transcript);
}

// Directories "new" (with "Prog.c" and a subdirectory "sub" holding
// "inner.c") and "old" (with "prog.c"), and a page over them.
struct SelectPage {
  SelectPage() {
    harness.scratch.Write("new/Prog.c", "a\n");
    harness.scratch.Write("new/sub/inner.c", "a\n");
    harness.scratch.Write("old/prog.c", "a\n");
  }

  // The field a step names: "new" or "old".
  static NameField Field(const std::string& name) {
    return name == "new" ? NameField::kNew : NameField::kOld;
  }
  // A name of a step: relative to the scratch directory, "-" for none.
  std::string Name(const std::string& relative) const {
    return relative == "-" ? "" : harness.scratch.PathOf(relative);
  }

  // Acts out one step -- "enter <new> <old>" (the names in the fields, then
  // the page entered), "type <1-4>", "subdirectories", "click <file row>",
  // "highlight sub", "write <file>", "remove <file>", "answer <yes|no>",
  // "clear <field>", "use-dir <field>", "use-file <field>", "return" -- and
  // gives where Return leads, or "".
  std::string Act(const std::string& step) {
    std::istringstream words(step);
    std::string verb, first, second;
    words >> verb >> first >> second;
    if (verb == "enter") {
      harness.Names(Name(first), Name(second), 0);
      page.Enter();
    }
    if (verb == "type") harness.view.compare_type = kCompareTypeTexts[std::stoi(first) - 1];
    if (verb == "subdirectories") harness.view.subdirectories = true;
    if (verb == "click") page.FileClicked(std::stoi(first));
    if (verb == "highlight") page.Browser().Highlight(page.Browser().OpenRow() + 1);
    if (verb == "write") harness.scratch.Write(first, "a\n");
    if (verb == "remove") harness.scratch.Remove(first);
    if (verb == "answer") harness.dialogs.answers = {first == "yes"};
    if (verb == "clear") page.SetReturnedName(Field(first), "");
    if (verb == "use-dir") page.UseAsDirClicked(Field(first));
    if (verb == "use-file") page.UseAsFileClicked(Field(first));
    if (verb != "return") return "";
    const char* const kExits[] = {"stay", "Main Panel", "Main Panel with the names"};
    return std::string(" -> ") + kExits[static_cast<int>(page.ReturnClicked())];
  }

  // The returned names, the open directory and its file list (inside the
  // scratch directory only), the file field and the highlighted file, and the
  // events since the last step.
  std::string Shown() {
    const DirBrowserModel& browser = page.Browser();
    const bool inside = browser.OpenDirectory().starts_with(harness.scratch.path());
    std::string text =
        " | new " + page.ReturnedName(NameField::kNew) + " | old " +
        page.ReturnedName(NameField::kOld) + " | at " +
        (inside ? browser.OpenDirectory() + " | " + Joined(browser.Files(), " ") : "elsewhere") +
        " | file " + page.FileField() + " | H " + browser.HighlightedFileName();
    for (const std::string& event : harness.log.events) text += " | " + event;
    harness.log.events.clear();
    return run_support::Placed(text, harness.scratch.path());
  }

  run_support::RunHarness harness;
  DirSelectModel page{harness.view, harness.dialogs, DefaultFileSystem()};
};

TEST(DirBrowserSelectTest, StepsShowTheirGoldenStates) {
  std::vector<std::string> transcript;
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/select_page_steps.txt")) {
    SelectPage fixture;
    transcript.push_back("case " + c.Where());
    std::istringstream steps(c[0]);
    for (std::string step; std::getline(steps >> std::ws, step, ';');) {
      const std::string exit = fixture.Act(step);
      transcript.push_back(step + exit + fixture.Shown());
    }
  }
  testkit::ExpectGoldenLines("tests/views/golden/select_page_steps.txt", transcript);
}

}  // namespace
}  // namespace kestrin
