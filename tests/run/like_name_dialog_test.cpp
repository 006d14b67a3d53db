// Compare type 3: the like-name dialog's listing, buttons, messages, sort,
// filter, lookup and saved selection, on real directories.
#include "run/like_name_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;
using Strings = std::vector<std::string>;

// Acts out one step on the dialog -- "select <rows>", "unselect <rows>",
// "select-all", "unselect-all", "sort-ext", "sort-name", "filter <mask>",
// "start", "lookup" -- and describes the dialog after it: "<available> |
// <selected> (<paired count>)(<selected count>) <filter history>", with
// " close" when the step closes it and the new directory after a lookup.
std::string Act(LikeNameDialog& dialog, const std::string& step) {
  std::istringstream words(step);
  std::string verb;
  words >> verb;
  std::vector<int> rows;
  std::string mask;
  if (verb == "filter") {
    std::getline(words >> std::ws, mask);
  } else {
    for (int row; words >> row;) rows.push_back(row);
  }
  DialogNext next = DialogNext::kStayOpen;
  if (verb == "select") next = dialog.SelectHighlightedClicked(rows);
  if (verb == "unselect") next = dialog.UnselectHighlightedClicked(rows);
  if (verb == "select-all") next = dialog.SelectAllPairedClicked();
  if (verb == "unselect-all") next = dialog.UnselectAllSelectedClicked();
  if (verb == "start") next = dialog.StartCompareClicked();
  if (verb == "lookup") next = dialog.DirLookUpClicked();
  if (verb == "sort-ext") dialog.SortChosen(LikeNameSort::kExtension);
  if (verb == "sort-name") dialog.SortChosen(LikeNameSort::kFileName);
  if (verb == "filter") dialog.FilterEntered(mask);
  return Joined(dialog.Available(), " ") + " | " + Joined(dialog.Selected(), " ") + " " +
         dialog.PairedCountLabel() + dialog.SelectedCountLabel() + " " + dialog.FilterText() +
         " [" + Joined(dialog.FilterHistory(), " ") + "]" +
         (next == DialogNext::kClose ? " close" : "") +
         (verb == "lookup" ? " in " + dialog.NewPathCaption() : "");
}

// The cases of cases/like_name_<name>.txt and their transcripts,
// golden/like_name_<name>.txt: the buttons' own messages, and whole runs.
TEST(LikeNameDialogTest, CasesGiveTheirTranscripts) {
  for (const auto& [name, kinds] : {std::pair{"buttons", "message:status:"}, {"runs", "*"}}) {
    Strings transcript;
    const std::string table = std::string("tests/run/cases/like_name_") + name + ".txt";
    for (const testkit::TableCase& c : testkit::ReadCaseTable(table)) {
      for (std::string& line : run_support::DialogTranscript<LikeNameDialog>(c, 3, kinds, Act)) {
        transcript.push_back(std::move(line));
      }
    }
    testkit::ExpectGoldenLines(std::string("tests/run/golden/like_name_") + name + ".txt",
                               transcript);
  }
}

}  // namespace
}  // namespace kestrin
