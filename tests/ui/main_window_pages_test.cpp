// The real main window's pages on the offscreen platform: its look at
// start-up, the option pages' Return, Cancel and Reset, the Subc field, the
// hint switch and help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>
#include <filesystem>

#include "tests/ui/main_support.h"
#include "ui/browse/dir_lookup_dialog.h"
#include "ui/browse/like_name_dialog_window.h"
#include "ui/browse/two_list_dialog_window.h"
#include "ui/main/main_window_help.h"
#include "ui/print_save/sbs_window.h"
#include "views/main_texts.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::EraseByKeys;
using main_testing::LeaveField;
using main_testing::MainScratch;
using main_testing::MainWindowFixture;
using main_testing::TypeInto;

std::string OptionsShown(TFrmMain& window) {
  return Child<QLabel>(window, "MnLblOptions")->text().toStdString();
}

TEST(MainWindowPagesTest, StartsOnTheMainPanelAsDesigned) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  EXPECT_EQ(window.windowTitle().toStdString(),
            "Kestrin - Dir Extended Line Compare Pgm  ");
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window has one size";
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window.CurrentPage(), MainPage::kMainPanel);

  auto* notebook = Child<QTabWidget>(window, "TabNotebook");
  ASSERT_EQ(notebook->count(), 6);
  const char* const captions[] = {"Main Panel", "Dir/File Select", "Preferences",
                                  "Dp Options", "About",           "OverView"};
  for (int page = 0; page < 6; ++page) EXPECT_EQ(notebook->tabText(page), captions[page]) << page;

  EXPECT_EQ(Child<QLineEdit>(window, "MnEdStatus")->text().toStdString(),
            "Waiting for information to be set, verified, and complete.");
  EXPECT_EQ(Child<QLabel>(window, "MnLblVersion")->text().toStdString(),
            "Kestrin V1.4b -  Nov. 5, 1999");
  EXPECT_EQ(OptionsShown(window), "None");
  EXPECT_EQ(Child<QComboBox>(window, "MnCbListType")->currentText(), "Chng");
  EXPECT_EQ(Child<QComboBox>(window, "MnCbCompareType")->currentText(),
            "1. New and Old Files Specified");
  EXPECT_TRUE(Child<QPushButton>(window, "MnBtnStart")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "MnBtnHalt")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "MnBtnReShow")->isEnabled());
  EXPECT_TRUE(Child<QLabel>(window, "MnImgBusy1")->isHidden());
  EXPECT_TRUE(Child<QLabel>(window, "MnImgBusy2")->isHidden());
  EXPECT_EQ(Child<QPushButton>(window, "MnBtnDirLookUp")->toolTip(),
            "Directory Select for New and Old Directory/File ");

  EXPECT_EQ(Child<QLineEdit>(window, "PrEdSubc")->text(), "\".\"");
  EXPECT_EQ(Child<QComboBox>(window, "PrCbXtab")->currentText(), "4");
  EXPECT_EQ(Child<QLineEdit>(window, "PrEdCcolNew1")->text(), "1:eol");
  EXPECT_EQ(Child<QLineEdit>(window, "PrEdCcolNew2")->text(), "");
  EXPECT_EQ(Child<QLineEdit>(window, "PrEdCcolOld1")->text(), "1:eol");
  EXPECT_EQ(Child<QLineEdit>(window, "PrEdCcolOld2")->text(), "");
  EXPECT_TRUE(Child<QRadioButton>(window, "DpRbNone")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(window, "DpEdUdc")->text(), "#");
  EXPECT_EQ(Child<QComboBox>(window, "DpCbUdcYN")->currentText(), "No");
}

TEST(MainWindowPagesTest, EveryWindowOfTheProgramIsMadeOnceWithIt) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  EXPECT_EQ(window.findChildren<TFrmLNm*>().size(), 1);
  EXPECT_EQ(window.findChildren<TFrmULNm*>().size(), 1);
  EXPECT_EQ(window.findChildren<TFrmDirLookUp2*>().size(), 1);
  EXPECT_EQ(window.findChildren<TFrmVSplit*>().size(), 1);
  EXPECT_EQ(window.findChildren<TFrmVList*>().size(), 1);
  EXPECT_EQ(window.findChildren<TFrmSbS*>().size(), 1);
  EXPECT_NE(&window.Viewers().Legend(), nullptr);
}

TEST(MainWindowPagesTest, EveryPreferenceAndDpEntryHasItsNamedControl) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  const char* const preferences[] = {"Icas", "Rovr", "Inpn", "Sbsl", "Fmvl", "Lorl",
                                     "Noss", "Xdpl", "Ieof", "Subc", "Xtab", "Txal",
                                     "Aeqf", "Fscl", "Chgo", "Txfo", "Ccol"};
  for (const char* keyword : preferences) {
    auto* box = Child<QCheckBox>(window, ("PrCk" + std::string(keyword)).c_str());
    ASSERT_NE(box, nullptr) << keyword;
    EXPECT_EQ(box->text().toStdString(), keyword);
    EXPECT_FALSE(box->isChecked()) << keyword;
  }
  const char* const dp_entries[] = {"None", "Dsem", "Drem", "Dblk", "Ddlc", "Ddl2",
                                    "Dcpp", "Dvbc", "Dhtm", "Dcob", "Dudc"};
  for (const char* keyword : dp_entries) {
    auto* entry = Child<QRadioButton>(window, ("DpRb" + std::string(keyword)).c_str());
    ASSERT_NE(entry, nullptr) << keyword;
    EXPECT_EQ(entry->text().toStdString(), keyword);
  }
  const char* const buttons[] = {"PrBtnReturn", "PrBtnCancel", "PrBtnReset",
                                 "DpBtnReturn", "DpBtnCancel", "AbBtnReturn",
                                 "OvBtnReturn", "OvBtnHelp",   "MnBtnExit"};
  for (const char* name : buttons) EXPECT_NE(Child<QPushButton>(window, name), nullptr) << name;
}

TEST(MainWindowPagesTest, PreferencesCancelPutsIcasBackAndKeepsTheOptionsText) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  Child<QCheckBox>(window, "PrCkIcas")->click();
  Child<QComboBox>(window, "PrCbXtab")->setCurrentText("8");
  Child<QPushButton>(window, "PrBtnCancel")->click();
  EXPECT_EQ(window.CurrentPage(), MainPage::kMainPanel);
  EXPECT_FALSE(Child<QCheckBox>(window, "PrCkIcas")->isChecked());
  EXPECT_EQ(Child<QComboBox>(window, "PrCbXtab")->currentText(), "8") << "tab size is kept";
  EXPECT_EQ(OptionsShown(window), "None");
}

TEST(MainWindowPagesTest, PreferencesReturnShowsTheTickedKeywords) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  Child<QCheckBox>(window, "PrCkIcas")->click();
  Child<QPushButton>(window, "PrBtnReturn")->click();
  EXPECT_EQ(window.CurrentPage(), MainPage::kMainPanel);
  EXPECT_EQ(OptionsShown(window), "Icas");

  window.GoToPage(MainPage::kPreferences);
  Child<QCheckBox>(window, "PrCkXtab")->click();
  Child<QCheckBox>(window, "PrCkFmvl")->click();
  window.GoToPage(MainPage::kAbout);
  EXPECT_EQ(OptionsShown(window), "Icas Fmvl Xtab") << "leaving by another tab rebuilds it too";
}

TEST(MainWindowPagesTest, PreferencesResetClearsEveryBoxAndStays) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  for (const char* name : {"PrCkIcas", "PrCkSbsl", "PrCkCcol"}) {
    Child<QCheckBox>(window, name)->click();
  }
  Child<QPushButton>(window, "PrBtnReset")->click();
  EXPECT_EQ(window.CurrentPage(), MainPage::kPreferences);
  for (int index = 0; index < kPreferenceCount; ++index) {
    EXPECT_FALSE(window.Controls().preferences[index]) << index;
  }
}

TEST(MainWindowPagesTest, DpCancelPutsTheFormerOptionBack) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kDpOptions);
  Child<QRadioButton>(window, "DpRbDsem")->click();
  Child<QPushButton>(window, "DpBtnReturn")->click();
  EXPECT_EQ(OptionsShown(window), "Dsem");

  window.GoToPage(MainPage::kDpOptions);
  Child<QRadioButton>(window, "DpRbDcpp")->click();
  Child<QLineEdit>(window, "DpEdUdc")->setText("%%");
  Child<QComboBox>(window, "DpCbUdcYN")->setCurrentText("Yes");
  Child<QPushButton>(window, "DpBtnCancel")->click();
  EXPECT_EQ(window.CurrentPage(), MainPage::kMainPanel);
  EXPECT_TRUE(Child<QRadioButton>(window, "DpRbDsem")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(window, "DpEdUdc")->text(), "#");
  EXPECT_EQ(Child<QComboBox>(window, "DpCbUdcYN")->currentText(), "No");
  EXPECT_EQ(OptionsShown(window), "Dsem");
}

TEST(MainWindowPagesTest, DpReturnShowsTheOptionBeforeThePreferences) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  Child<QCheckBox>(window, "PrCkIcas")->click();
  Child<QCheckBox>(window, "PrCkXtab")->click();
  window.GoToPage(MainPage::kDpOptions);
  Child<QRadioButton>(window, "DpRbDcpp")->click();
  Child<QPushButton>(window, "DpBtnReturn")->click();
  EXPECT_EQ(OptionsShown(window), "Dcpp Icas Xtab");
  EXPECT_EQ(window.Controls().dp_choice, static_cast<int>(DpChoice::kDcpp));
}

TEST(MainWindowPagesTest, TheSubcFieldIsNormalisedWhenLeft) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {{"x", "\"x\""}, {"", "\".\""}, {"\"#\"", "\"#\""}, {"ab", "\"a\""}};
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  auto* subc = Child<QLineEdit>(window, "PrEdSubc");
  for (const Case& c : cases) {
    EraseByKeys(subc);
    TypeInto(subc, c.typed);
    LeaveField(subc);
    EXPECT_EQ(subc->text().toStdString(), c.kept) << "typed [" << c.typed << "]";
  }
}

TEST(MainWindowPagesTest, AnUnfinishedSubcEditIsNormalisedWhenThePageIsLeft) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kPreferences);
  Child<QLineEdit>(window, "PrEdSubc")->setText("");
  window.GoToPage(MainPage::kMainPanel);
  EXPECT_EQ(window.Controls().subc_text, "\".\"");
}

// Counts the hint requests that reach the object it watches.
class HintRequests : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) ++count;
    return QObject::eventFilter(watched, event);
  }
};

// True iff a hint request for `widget` reaches it.
bool ShowsHint(QWidget* widget) {
  HintRequests requests;
  widget->installEventFilter(&requests);
  QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &hint);
  QToolTip::hideText();
  return requests.count == 1;
}

TEST(MainWindowPagesTest, TheHintBoxSwitchesEveryHintOfTheProgram) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  auto* start = Child<QPushButton>(window, "MnBtnStart");
  QWidget other_window;
  other_window.setToolTip("a hint of another window");
  other_window.show();
  EXPECT_TRUE(ShowsHint(start));
  Child<QCheckBox>(window, "MnCkHintsOff")->click();
  EXPECT_FALSE(ShowsHint(start));
  EXPECT_FALSE(ShowsHint(&other_window));
  Child<QCheckBox>(window, "MnCkBypass")->click();
  EXPECT_FALSE(ShowsHint(start)) << "the bypass box leaves the hints alone";
  Child<QCheckBox>(window, "MnCkHintsOff")->click();
  EXPECT_TRUE(ShowsHint(start));
}

TEST(MainWindowPagesTest, InformationPagesReturnToTheMainPanel) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  for (const auto& [page, button] : {std::pair{MainPage::kAbout, "AbBtnReturn"},
                                     std::pair{MainPage::kOverView, "OvBtnReturn"}}) {
    window.GoToPage(page);
    Child<QPushButton>(window, button)->click();
    EXPECT_EQ(window.CurrentPage(), MainPage::kMainPanel) << button;
  }
  Child<QPushButton>(window, "MnBtnDirLookUp")->click();
  EXPECT_EQ(window.CurrentPage(), MainPage::kDirFileSelect);
}

TEST(MainWindowPagesTest, HelpOpensThePageBesideTheProgramElseTheInstalledOne) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  window.GoToPage(MainPage::kOverView);
  const std::string beside = fixture.scratch.PathOf("Kestrin.html");
  const std::string installed =
      std::filesystem::path(fixture.scratch.Path()).parent_path().string() +
      "/share/kestrin/Kestrin.html";
  Child<QPushButton>(window, "OvBtnHelp")->click();
  EXPECT_TRUE(fixture.help.opened.empty());
  ASSERT_EQ(fixture.dialogs.Only("message:").size(), 1u);
  EXPECT_EQ(fixture.dialogs.Only("message:")[0],
            "The help file \"" + installed + "\" was not found.");

  fixture.scratch.Write("Kestrin.html", "<html></html>");
  Child<QPushButton>(window, "OvBtnHelp")->click();
  ASSERT_EQ(fixture.help.opened.size(), 1u);
  EXPECT_EQ(fixture.help.opened[0], beside);

  fixture.help.opens = false;
  Child<QPushButton>(window, "OvBtnHelp")->click();
  EXPECT_EQ(fixture.dialogs.Only("message:").back(),
            "The help file \"" + beside + "\" could not be opened.");
}

TEST(MainWindowPagesTest, AnInstalledProgramFindsItsHelpPageInTheDataDirectory) {
  MainScratch root;
  const std::string page = root.Write("usr/share/kestrin/Kestrin.html", "<html></html>");
  EXPECT_EQ(HelpFilePath(root.MakeDirectory("usr/bin"), DefaultFileSystem()), page);
}

TEST(MainWindowPagesTest, TheBuildPutsTheHelpPageBesideThePrograms) {
  const std::string path = std::string(KESTRIN_BINARY_DIR) + "/bin/Kestrin.html";
  EXPECT_TRUE(DefaultFileSystem().IsFile(path)) << path;
}

}  // namespace
}  // namespace kestrin
