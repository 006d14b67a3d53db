// Compare type 4: the two-list dialog's listings, buttons, messages, filters,
// lookup and saved selection, on real directories.
#include "run/two_list_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;
using Strings = std::vector<std::string>;

// Acts out one step on the dialog -- "new <row>" and "old <row>" highlight,
// "pair", "undo <rows>", "start", "filter-new <mask>", "filter-old <mask>",
// "lookup" -- and describes the dialog after it: "<new files> | <old files>
// | <pairs> <counts> <highlighted selections> [<filter histories>]", with
// " close" when the step closes it.
std::string Act(TwoListDialog& dialog, const std::string& step) {
  std::istringstream words(step);
  std::string verb, rest;
  words >> verb;
  std::getline(words >> std::ws, rest);
  std::vector<int> rows;
  std::istringstream numbers(rest);
  for (int row; numbers >> row;) rows.push_back(row);
  DialogNext next = DialogNext::kStayOpen;
  if (verb == "new") dialog.HighlightNew(rows.at(0));
  if (verb == "old") dialog.HighlightOld(rows.at(0));
  if (verb == "pair") next = dialog.SelectPairClicked();
  if (verb == "undo") next = dialog.UndoSelectedClicked(rows);
  if (verb == "start") next = dialog.StartCompareClicked();
  if (verb == "lookup") next = dialog.DirLookUpClicked();
  if (verb == "filter-new") dialog.NewFilterEntered(rest);
  if (verb == "filter-old") dialog.OldFilterEntered(rest);
  return Joined(dialog.NewFiles(), " ") + " | " + Joined(dialog.OldFiles(), " ") + " | " +
         Joined(dialog.SelectedPairs(), ", ") + " " + dialog.NewCountLabel() +
         dialog.OldCountLabel() + dialog.SelectedCountLabel() + " " + dialog.NewSelectionText() +
         " " + dialog.OldSelectionText() + " [" + Joined(dialog.NewFilterHistory(), " ") + "] [" +
         Joined(dialog.OldFilterHistory(), " ") + "]" +
         (next == DialogNext::kClose ? " close" : "");
}

// The cases of cases/two_list_runs.txt and what happens in each,
// golden/two_list_runs.txt.
TEST(TwoListDialogTest, RunsGiveTheirTranscripts) {
  Strings transcript;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/two_list_runs.txt")) {
    for (std::string& line : run_support::DialogTranscript<TwoListDialog>(c, 4, "*", Act)) {
      transcript.push_back(std::move(line));
    }
  }
  testkit::ExpectGoldenLines("tests/run/golden/two_list_runs.txt", transcript);
}

}  // namespace
}  // namespace kestrin
