// The Dir/File Select page's rules without windows: placing the page on the
// name fields, Use As Dir and Use As File with their H/D questions, and
// Return with its compare-type question. Each case of
// cases/select_page_steps.txt acts on a fresh page; what the page shows after
// each step is in golden/select_page_steps.txt.
#include "views/dir_browser_select.h"

#include <gtest/gtest.h>

#include <sstream>

#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;

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
