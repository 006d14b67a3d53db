// The notebook's page-change rules, option-page buttons and close rule,
// without any window.
#include "views/main_pages_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

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
  const std::map<std::string, CloseOutcome> outcomes = {
      {"save and end", CloseOutcome::kSaveAndEnd},
      {"return to the Main Panel", CloseOutcome::kReturnToMainPanel},
      {"refused", CloseOutcome::kRefusedDuringRun}};
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/close_requests.txt")) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(Page(c[0]), controls, {});
    EXPECT_EQ(pages.RequestClose(c.Flag(1)), outcomes.at(c[2])) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
