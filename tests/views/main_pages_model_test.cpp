// The notebook's page-change rules, option-page buttons and close rule,
// without any window.
#include "views/main_pages_model.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrin {
namespace {

const char* PageName(MainPage page) {
  static const char* const kNames[] = {"Main", "DirFile", "Prefs", "Dp", "About", "OverView"};
  return kNames[static_cast<int>(page)];
}

TEST(MainPagesModelTest, OptionsTextIsRebuiltWhenAnOptionPageIsLeftOrDpEntered) {
  struct Case {
    MainPage from;
    MainPage to;
    bool rebuild;
  };
  const Case cases[] = {
      {MainPage::kPreferences, MainPage::kMainPanel, true},
      {MainPage::kPreferences, MainPage::kAbout, true},
      {MainPage::kPreferences, MainPage::kDpOptions, true},
      {MainPage::kMainPanel, MainPage::kDpOptions, true},
      {MainPage::kDpOptions, MainPage::kMainPanel, true},
      {MainPage::kMainPanel, MainPage::kPreferences, false},
      {MainPage::kMainPanel, MainPage::kDirFileSelect, false},
      {MainPage::kAbout, MainPage::kOverView, false},
      {MainPage::kOverView, MainPage::kMainPanel, false},
  };
  for (const Case& c : cases) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(c.from, controls, {});
    EXPECT_EQ(pages.ChangePage(c.to, controls, {}), c.rebuild)
        << PageName(c.from) << " -> " << PageName(c.to);
    EXPECT_EQ(pages.Current(), c.to) << PageName(c.from) << " -> " << PageName(c.to);
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
  struct Case {
    const char* text;
    const char* kept;
  };
  const Case cases[] = {{"", "\".\""}, {"x", "\"x\""}, {"\"x\"", "\"x\""}, {"xyz", "\"x\""}};
  for (const Case& c : cases) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(MainPage::kPreferences, controls, {});
    controls.subc_text = c.text;
    pages.ChangePage(MainPage::kAbout, controls, {});
    EXPECT_EQ(controls.subc_text, c.kept) << "[" << c.text << "]";
  }
}

TEST(MainPagesModelTest, CloseRequests) {
  struct Case {
    MainPage page;
    bool running;
    CloseOutcome outcome;
  };
  const Case cases[] = {
      {MainPage::kMainPanel, false, CloseOutcome::kSaveAndEnd},
      {MainPage::kPreferences, false, CloseOutcome::kReturnToMainPanel},
      {MainPage::kOverView, false, CloseOutcome::kReturnToMainPanel},
      {MainPage::kMainPanel, true, CloseOutcome::kRefusedDuringRun},
      {MainPage::kDpOptions, true, CloseOutcome::kRefusedDuringRun},
  };
  for (const Case& c : cases) {
    MainPagesModel pages;
    ControlValues controls;
    pages.ChangePage(c.page, controls, {});
    EXPECT_EQ(pages.RequestClose(c.running), c.outcome)
        << PageName(c.page) << (c.running ? " running" : " idle");
  }
}

}  // namespace
}  // namespace kestrin
