// The directory browser over real directories: the entries around the open
// directory, which entry is H, opening entries and drives, directories that
// vanish, and the file list under a mask. Each case of
// cases/browser_steps.txt acts on a fresh tree; what the browser shows after
// each step is in golden/browser_steps.txt.
#include "views/dir_browser_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

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
    if (verb == "open") return std::to_string(browser.Open(rest.empty() ? "" : Path(rest)));
    if (verb == "entry") return std::to_string(browser.OpenEntry(RowOf(rest)));
    if (verb == "drive") return std::to_string(browser.OpenDrive(std::stoi(rest)));
    if (verb == "file-named") return std::to_string(browser.HighlightFileNamed(rest));
    if (verb == "drives") {
      browser.SetDrives({"/", scratch.path() + "/"});
      return Placed(browser.Drives()[0] + " " + browser.Drives()[1], scratch.path());
    }
    if (verb == "highlight") browser.Highlight(RowOf(rest));
    if (verb == "remove") std::filesystem::remove_all(Path(rest));
    if (verb == "reload") browser.Reload();
    if (verb == "mask") browser.SetMask(rest);
    if (verb == "file") browser.HighlightFile(std::stoi(rest));
    return "-";
  }
  std::string Path(const std::string& relative) const { return scratch.path() + "/" + relative; }

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

}  // namespace
}  // namespace kestrin
