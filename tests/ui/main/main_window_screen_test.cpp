// The main window on the screen: it fits the available area whatever its
// stored place, the Main Panel keeps still while the hourglass turns, and
// the progress bar beside the status line shows the run's progress.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

TEST(MainWindowScreenTest, TheWindowFitsTheAvailableAreaWhereverItWasStored) {
  for (const char* place :
       {"Top=100\nLeft=100\n", "Top=5000\nLeft=-3000\n", "Top=-50\nLeft=700\n"}) {
    MainWindowFixture fixture;
    fixture.scratch.Write("Kestrin.ini", std::string("[Kestrin]\n") + place);
    TFrmMain& window = fixture.Make();
    SettleWindows();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry())) << place;
    // Pages larger than the window scroll rather than being cut off.
    auto* scroller = Child<QScrollArea>(window, "MnScroller");
    EXPECT_GE(scroller->widget()->width() + 1, scroller->viewport()->width()) << place;
  }
}

TEST(MainWindowScreenTest, NothingMovesWhenTheHourglassShows) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  SettleWindows();
  const auto places = [&] {
    std::string text;
    for (const char* name : {"MnEdStatus", "MnPbProgress", "MnCkHintsOff", "MnBtnStart"}) {
      const QWidget* widget = window.findChild<QWidget*>(name);
      text += std::string(name) + "@" + std::to_string(widget->mapTo(&window, QPoint()).y()) + " ";
    }
    return text;
  };
  const std::string before = places();
  for (const auto show : {&TFrmMain::ShowFirstBusyImage, &TFrmMain::ToggleBusyImages}) {
    (window.*show)();
    SettleWindows();
    EXPECT_EQ(places(), before);
  }
}

TEST(MainWindowScreenTest, TheProgressBarShowsPairsDoneAndTheBytesOfThePairInHand) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  auto* bar = Child<QProgressBar>(window, "MnPbProgress");
  const QString status = Child<QLineEdit>(window, "MnEdStatus")->text();
  window.ShowRunProgress({1, 4, 50, 100});
  EXPECT_EQ(bar->value(), 1500);
  EXPECT_EQ(bar->maximum(), 4000);
  EXPECT_EQ(Child<QLineEdit>(window, "MnEdStatus")->text(), status)
      << "the status line keeps its texts";
}

}  // namespace
}  // namespace kestrin::ui_testing
