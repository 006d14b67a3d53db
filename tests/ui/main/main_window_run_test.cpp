// Compares run from the real main window: Start with two typed file names,
// and Halt during a large compare.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <set>

#include "engine/pair_driver.h"
#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

// Records every text the status line shows and which busy images show with
// it; when it has changed `at` times, runs `action` (queued, so it acts at
// the engine's next event point).
struct StatusRecorder {
  StatusRecorder(TFrmMain& window, int at = 0, std::function<void()> action = {}) {
    auto* status = Child<QLineEdit>(window, "MnEdStatus");
    QObject::connect(status, &QLineEdit::textChanged, status,
                     [=, &window, this](const QString& text) {
                       texts.push_back(text.toStdString());
                       busy.insert({Child<QLabel>(window, "MnImgBusy1")->isVisible(),
                                    Child<QLabel>(window, "MnImgBusy2")->isVisible()});
                       if (static_cast<int>(texts.size()) == at) {
                         QMetaObject::invokeMethod(status, action, Qt::QueuedConnection);
                       }
                     });
  }
  std::vector<std::string> texts;
  std::set<std::pair<bool, bool>> busy;  // (first shown, second shown)
};

// `count` lines "line <n>", every hundredth ending in " <tag>".
std::string Lines(int count, const std::string& tag) {
  std::string text;
  for (int line = 1; line <= count; ++line) {
    text += "line " + std::to_string(line) + (line % 100 == 0 ? " " + tag : "") + "\n";
  }
  return text;
}

// Writes the new and the old file of `count` lines, tagged "n" and "o", makes
// the window and types both full names into it.
TFrmMain& MakeWithTwoFiles(MainWindowFixture& fixture, int count) {
  const std::string new_file = fixture.scratch.Write("new/Prog.c", Lines(count, "n"));
  const std::string old_file = fixture.scratch.Write("old/prog.c", Lines(count, "o"));
  TFrmMain& window = fixture.Make();
  TypeInto(Child<QComboBox>(window, "MnCbNewName"), QString::fromStdString(new_file));
  TypeInto(Child<QComboBox>(window, "MnCbOldName"), QString::fromStdString(old_file));
  return window;
}

// Start runs the compare of two typed names, the busy images taking turns
// while it runs, and shows the report.
TEST(MainWindowRunTest, StartComparesTwoTypedFilesAndShowsTheReport) {
  MainWindowFixture fixture;
  TFrmMain& window = MakeWithTwoFiles(fixture, 2000);
  StatusRecorder status(window);
  Child<QPushButton>(window, "MnBtnStart")->click();

  ASSERT_FALSE(status.texts.empty());
  EXPECT_EQ(status.texts.front(), "Executing Compare Section.");
  EXPECT_EQ(status.texts.back(), kDifferencesMessage);
  EXPECT_EQ(status.busy.count({true, false}), 1u) << "the first image shows";
  EXPECT_EQ(status.busy.count({false, true}), 1u) << "the second image takes its turn";
  EXPECT_EQ(status.busy.count({true, true}), 0u) << "never both at once";
  EXPECT_EQ(fixture.dialogs.log.Count("viewer"), 1);
  EXPECT_TRUE(fixture.dialogs.Only("message:").empty());
  std::string usable;  // Start, Halt, ReShow, Exit, then the two busy images
  for (const char* name :
       {"MnBtnStart", "MnBtnHalt", "MnBtnReShow", "MnBtnExit", "MnImgBusy1", "MnImgBusy2"}) {
    const QWidget* control = Child<QWidget>(window, name);
    usable += control->isVisible() && control->isEnabled() ? '1' : '0';
  }
  EXPECT_EQ(usable, "101100");
  EXPECT_EQ(window.NameHistory(NameField::kNew),
            std::vector<std::string>{fixture.scratch.PathOf("new/Prog.c")});
  EXPECT_EQ(window.NameHistory(NameField::kOld),
            std::vector<std::string>{fixture.scratch.PathOf("old/prog.c")});
}

TEST(MainWindowRunTest, HaltStopsALargeCompare) {
  MainWindowFixture fixture;
  TFrmMain& window = MakeWithTwoFiles(fixture, 30000);
  auto* halt = Child<QPushButton>(window, "MnBtnHalt");
  bool halt_was_enabled = false;
  StatusRecorder status(window, 3, [&] {
    halt_was_enabled = halt->isEnabled();
    halt->click();
  });
  Child<QPushButton>(window, "MnBtnStart")->click();

  EXPECT_TRUE(halt_was_enabled);
  EXPECT_GT(status.texts.size(), 3u);
  EXPECT_EQ(status.texts.back(), "INFORM: The User requested a premature program stop. ");
  EXPECT_FALSE(fixture.dialogs.log.Has("viewer")) << "no report after a halt";
  EXPECT_FALSE(halt->isEnabled());
}

}  // namespace
}  // namespace kestrin::ui_testing
