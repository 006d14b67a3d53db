// The main window's models without any window: the notebook's page-change
// rules, option-page buttons and close rule, the name fields' drop-down
// histories, where dropped files go, and the progress bar's value.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "views/dropped_files_model.h"
#include "views/main_pages_model.h"
#include "views/name_history_model.h"
#include "views/progress_bar_value.h"

namespace kestrin {
namespace {

using Strings = std::vector<std::string>;

// The page a case table names: Main, DirFile, Prefs, Dp, About or OverView.
MainPage Page(const std::string& name) {
  const std::string names[] = {"Main", "DirFile", "Prefs", "Dp", "About", "OverView"};
  return static_cast<MainPage>(std::find(std::begin(names), std::end(names), name) - names);
}

TEST(MainPagesModelTest, OptionsTextIsRebuiltWhenAnOptionPageIsLeftOrDpEntered) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/page_changes.txt")) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(Page(c[0]), controls, {});
    EXPECT_EQ(pages.ChangePage(Page(c[1]), controls, {}), c.Flag(2)) << c.Where();
    EXPECT_EQ(pages.Current(), Page(c[1])) << c.Where();
  }
}

TEST(MainPagesModelTest, PreferencesCancelPutsTheBoxesBackButNotTheFields) {
  MainPagesModel pages;
  ControlValues controls;
  controls.SetChecked(Preference::kXtab, true);
  pages.ChangePage(MainPage::kPreferences, controls, {});
  controls.SetChecked(Preference::kIcas, true);
  controls.SetChecked(Preference::kXtab, false);
  controls.tab_size_text = "8";
  controls.subc_text = "\"#\"";
  controls.new_range1 = "3:9";
  pages.RestorePreferences(controls);
  EXPECT_FALSE(controls.Checked(Preference::kIcas));
  EXPECT_TRUE(controls.Checked(Preference::kXtab));
  EXPECT_EQ(controls.tab_size_text, "8");
  EXPECT_EQ(controls.subc_text, "\"#\"");
  EXPECT_EQ(controls.new_range1, "3:9");
}

TEST(MainPagesModelTest, DpCancelPutsTheRememberedOptionTagAndChoiceBack) {
  MainPagesModel pages;
  ControlValues controls;
  controls.dp_choice = static_cast<int>(DpChoice::kDsem);
  controls.dudc_tag = "--";
  pages.ChangePage(MainPage::kDpOptions, controls, {});
  controls.dp_choice = static_cast<int>(DpChoice::kDcpp);
  controls.dudc_tag = "%";
  controls.dudc_embedded = "Yes";
  pages.RestoreDpOptions(controls);
  EXPECT_EQ(controls.dp_choice, static_cast<int>(DpChoice::kDsem));
  EXPECT_EQ(controls.dudc_tag, "--");
  EXPECT_EQ(controls.dudc_embedded, "No");
}

TEST(MainPagesModelTest, EnteringDirFileSelectRemembersTheNames) {
  MainPagesModel pages;
  ControlValues controls;
  pages.ChangePage(MainPage::kDirFileSelect, controls, {"/n/a.txt", "/o/a.txt"});
  pages.ChangePage(MainPage::kMainPanel, controls, {"/x", "/y"});
  EXPECT_EQ(pages.RememberedNames().new_name, "/n/a.txt");
  EXPECT_EQ(pages.RememberedNames().old_name, "/o/a.txt");
}

TEST(MainPagesModelTest, LeavingPreferencesNormalisesTheSubcField) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/subc_fields.txt")) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(MainPage::kPreferences, controls, {});
    controls.subc_text = c[0];
    pages.ChangePage(MainPage::kAbout, controls, {});
    EXPECT_EQ(controls.subc_text, c[1]) << c.Where();
  }
}

TEST(MainPagesModelTest, CloseRequests) {
  const std::string outcomes[] = {"refused", "return to the Main Panel", "save and end"};
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/close_requests.txt")) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(Page(c[0]), controls, {});
    EXPECT_EQ(outcomes[static_cast<int>(pages.RequestClose(c.Flag(1)))], c[2]) << c.Where();
  }
}

TEST(NameHistoryModelTest, AddingPutsANewTextOnTopAndLeavesAnEntryWhereItIs) {
  NameHistoryModel history;
  history.SetEntries({"/a", "/b"});
  EXPECT_FALSE(history.AddIfMissing(""));
  EXPECT_FALSE(history.AddIfMissing("/b"));
  EXPECT_FALSE(history.AddCurrentIfMissing("/b"));
  EXPECT_EQ(history.Entries(), (Strings{"/a", "/b"}));
  EXPECT_TRUE(history.AddIfMissing("/B"));
  EXPECT_TRUE(history.AddCurrentIfMissing(""));
  EXPECT_EQ(history.Entries(), (Strings{"", "/B", "/a", "/b"}));
}

TEST(NameHistoryModelTest, LeavingTheFieldMovesAFileToTheTop) {
  NameHistoryModel history;
  history.SetEntries({"/a", "/b"});
  EXPECT_FALSE(history.PromoteFile("/b", false));
  EXPECT_FALSE(history.PromoteFile("/a", true));
  EXPECT_TRUE(history.PromoteFile("/b", true));
  EXPECT_EQ(history.Entries(), (Strings{"/b", "/a"}));
}

std::string Shown(const DroppedFilePlacement& placement) {
  return "new=" + placement.new_name.value_or("-") + " old=" + placement.old_name.value_or("-");
}

TEST(MainDroppedFilesTest, PlacesByCountAndDropPoint) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/dropped_files.txt")) {
    const std::vector<std::string> names(c.fields.begin() + 2, c.fields.end());
    EXPECT_EQ(Shown(PlaceDroppedFiles(names, static_cast<int>(c.Number(0)), 100)), c[1])
        << c.Where();
  }
}

TEST(ProgressBarValueTest, PairsDoneAndTheBytesOfThePairInHand) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/progress_bar.txt")) {
    const RunProgress progress{static_cast<int32_t>(c.Number(0)), static_cast<int32_t>(c.Number(1)),
                               c.Number(2), c.Number(3)};
    EXPECT_EQ(BarValueOf(progress),
              (ProgressBarValue{static_cast<int>(c.Number(4)), static_cast<int>(c.Number(5))}))
        << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
