// Compares run from the real main window: Start with two typed file names,
// Halt during a large compare, and closing while a compare runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <set>
#include <string_view>
#include <utility>

#include "engine/pair_driver.h"
#include "tests/ui/common/main_support.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::MainWindowFixture;
using main_testing::NumberedLines;
using main_testing::TypeInto;

// Records every text the status line shows, in order.
class StatusRecorder {
 public:
  explicit StatusRecorder(TFrmMain& window) : status_(Child<QLineEdit>(window, "MnEdStatus")) {
    QObject::connect(status_, &QLineEdit::textChanged, status_,
                     [this](const QString& text) { OnStatus(text); });
  }
  // Runs `action` (queued, so it acts at the engine's next event point) when
  // the status line has changed `count` times.
  void At(int count, std::function<void()> action) {
    trigger_ = count;
    action_ = std::move(action);
  }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  void OnStatus(const QString& text) {
    texts_.push_back(text.toStdString());
    if (static_cast<int>(texts_.size()) == trigger_ && action_) {
      QMetaObject::invokeMethod(status_, action_, Qt::QueuedConnection);
    }
  }

  QLineEdit* status_;
  std::vector<std::string> texts_;
  int trigger_ = 0;
  std::function<void()> action_;
};

// Writes the new and the old file with `new_text` and `old_text`, makes the
// window and types both full names into it.
TFrmMain& MakeWithTwoFiles(MainWindowFixture& fixture, std::string_view new_text,
                           std::string_view old_text) {
  const std::string new_file = fixture.scratch.Write("new/Prog.c", new_text);
  const std::string old_file = fixture.scratch.Write("old/prog.c", old_text);
  TFrmMain& window = fixture.Make();
  TypeInto(Child<QComboBox>(window, "MnCbNewName"), QString::fromStdString(new_file));
  TypeInto(Child<QComboBox>(window, "MnCbOldName"), QString::fromStdString(old_file));
  return window;
}

TEST(MainWindowRunTest, StartComparesTwoTypedFilesAndShowsTheReport) {
  MainWindowFixture fixture;
  TFrmMain& window = MakeWithTwoFiles(fixture, "int a;\nint b;\nint c;\n", "int a;\nint c;\n");
  StatusRecorder status(window);
  Child<QPushButton>(window, "MnBtnStart")->click();

  ASSERT_FALSE(status.Texts().empty());
  EXPECT_EQ(status.Texts().front(), "Executing Compare Section.");
  EXPECT_EQ(Child<QLineEdit>(window, "MnEdStatus")->text().toStdString(), kDifferencesMessage);
  EXPECT_EQ(fixture.dialogs.log.Count("viewer"), 1);
  EXPECT_TRUE(fixture.dialogs.Only("message:").empty());
  EXPECT_TRUE(Child<QPushButton>(window, "MnBtnStart")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "MnBtnHalt")->isEnabled());
  EXPECT_TRUE(Child<QPushButton>(window, "MnBtnReShow")->isEnabled());
  EXPECT_TRUE(Child<QPushButton>(window, "MnBtnExit")->isEnabled());
  EXPECT_TRUE(Child<QLabel>(window, "MnImgBusy1")->isHidden());
  EXPECT_TRUE(Child<QLabel>(window, "MnImgBusy2")->isHidden());
  EXPECT_EQ(window.NameHistory(NameField::kNew),
            std::vector<std::string>{fixture.scratch.PathOf("new/Prog.c")});
  EXPECT_EQ(window.NameHistory(NameField::kOld),
            std::vector<std::string>{fixture.scratch.PathOf("old/prog.c")});
}

TEST(MainWindowRunTest, HaltStopsALargeCompare) {
  MainWindowFixture fixture;
  TFrmMain& window =
      MakeWithTwoFiles(fixture, NumberedLines(30000, 100, "n"), NumberedLines(30000, 100, "o"));
  auto* halt = Child<QPushButton>(window, "MnBtnHalt");
  bool halt_was_enabled = false;
  StatusRecorder status(window);
  status.At(3, [&] {
    halt_was_enabled = halt->isEnabled();
    halt->click();
  });
  Child<QPushButton>(window, "MnBtnStart")->click();

  EXPECT_TRUE(halt_was_enabled);
  EXPECT_GT(status.Texts().size(), 3u);
  EXPECT_EQ(Child<QLineEdit>(window, "MnEdStatus")->text().toStdString(),
            "INFORM: The User requested a premature program stop. ");
  EXPECT_FALSE(fixture.dialogs.log.Has("viewer")) << "no report after a halt";
  EXPECT_FALSE(halt->isEnabled());
}

TEST(MainWindowRunTest, TheBusyImagesAlternateDuringACompare) {
  MainWindowFixture fixture;
  TFrmMain& window =
      MakeWithTwoFiles(fixture, NumberedLines(2000, 100, "n"), NumberedLines(2000, 100, "o"));
  auto* first = Child<QLabel>(window, "MnImgBusy1");
  auto* second = Child<QLabel>(window, "MnImgBusy2");
  std::set<std::pair<bool, bool>> seen;
  QObject::connect(Child<QLineEdit>(window, "MnEdStatus"), &QLineEdit::textChanged, &window, [&] {
    seen.insert({first->isVisible(), second->isVisible()});
  });
  Child<QPushButton>(window, "MnBtnStart")->click();
  EXPECT_EQ(seen.count({true, false}), 1u) << "the first image shows";
  EXPECT_EQ(seen.count({false, true}), 1u) << "the second image takes its turn";
  EXPECT_EQ(seen.count({true, true}), 0u) << "never both at once";
}

}  // namespace
}  // namespace kestrin
