// The real main window's name fields: their histories, files dropped onto the
// window and the command-line arguments.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>

#include "tests/ui/main_support.h"
#include "ui/main/main_window_name_combo.h"

namespace kestrin {
namespace {

using main_testing::Child;
using main_testing::DropFiles;
using main_testing::LeaveField;
using main_testing::MainWindowFixture;
using main_testing::TypeInto;

std::string Joined(const std::vector<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries) text += "[" + entry + "]";
  return text;
}

std::string ItemsShown(QComboBox* field) {
  std::string text;
  for (int row = 0; row < field->count(); ++row)
    text += "[" + field->itemText(row).toStdString() + "]";
  return text;
}

TEST(MainWindowNamesTest, LeavingAFieldMovesAnExistingFileToTheTopOfItsHistory) {
  MainWindowFixture fixture;
  const std::string first = fixture.scratch.Write("first.txt", "1\n");
  const std::string second = fixture.scratch.Write("second.txt", "2\n");
  const std::string third = fixture.scratch.Write("Third.TXT", "3\n");
  const std::string directory = fixture.scratch.MakeDirectory("dir");
  TFrmMain& window = fixture.Make();
  for (const std::string& name : {third, second, first}) {
    window.InsertNameHistoryTop(NameField::kNew, name);
  }
  auto* field = Child<QComboBox>(window, "MnCbNewName");
  field->setEditText(QString::fromStdString(directory));
  LeaveField(field);
  EXPECT_EQ(Joined(window.NameHistory(NameField::kNew)), Joined({first, second, third}))
      << "a directory leaves the history alone";

  field->setEditText(QString::fromStdString(third));
  LeaveField(field);
  EXPECT_EQ(Joined(window.NameHistory(NameField::kNew)), Joined({third, first, second}));
  EXPECT_EQ(ItemsShown(field), Joined({third, first, second}));
  EXPECT_EQ(field->currentIndex(), 0);
  EXPECT_EQ(window.NameText(NameField::kNew), third) << "the name keeps its letter case";
}

TEST(MainWindowNamesTest, OpeningTheDropDownAddsTheTypedText) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  auto* field = Child<NameComboBox>(window, "MnCbOldName");
  TypeInto(field, "/no/such/name");
  field->showPopup();
  field->hidePopup();
  EXPECT_EQ(Joined(window.NameHistory(NameField::kOld)), "[/no/such/name]");
  EXPECT_EQ(window.NameText(NameField::kOld), "/no/such/name");
  field->showPopup();
  field->hidePopup();
  EXPECT_EQ(Joined(window.NameHistory(NameField::kOld)), "[/no/such/name]") << "added once";
}

TEST(MainWindowNamesTest, OneDroppedFileGoesByTheOldFieldsTopEdge) {
  MainWindowFixture fixture;
  const std::string dropped = fixture.scratch.Write("Dropped.Txt", "x\n");
  TFrmMain& window = fixture.Make();
  auto* old_field = Child<QComboBox>(window, "MnCbOldName");
  const int old_top = old_field->mapTo(&window, QPoint(0, 0)).y();

  DropFiles(window, {dropped}, old_top - 1);
  EXPECT_EQ(window.NameText(NameField::kNew), dropped) << "dropped above the old field";
  EXPECT_EQ(window.NameText(NameField::kOld), "");

  DropFiles(window, {dropped}, old_top);
  EXPECT_EQ(window.NameText(NameField::kOld), dropped) << "dropped at the old field's top edge";

  main_testing::MainWindowFixture second;
  TFrmMain& other = second.Make();
  DropFiles(other, {dropped}, other.height() - 5);
  EXPECT_EQ(other.NameText(NameField::kNew), "");
  EXPECT_EQ(other.NameText(NameField::kOld), dropped) << "dropped near the window's bottom";
}

TEST(MainWindowNamesTest, TwoOrMoreDroppedFilesFillBothFields) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  DropFiles(window, {"/n/New.c", "/o/Old.c", "/x/ignored.c"}, 5);
  EXPECT_EQ(window.NameText(NameField::kNew), "/n/New.c");
  EXPECT_EQ(window.NameText(NameField::kOld), "/o/Old.c");
}

TEST(MainWindowNamesTest, CommandLineArgumentsBecomeTheNewAndOldNames) {
  struct Case {
    std::vector<std::string> arguments;
    const char* new_name;
    const char* old_name;
    const char* new_history;
    const char* old_history;
  };
  const Case cases[] = {
      {{}, "", "", "", ""},
      {{"/a/New.txt"}, "/a/New.txt", "", "[]", ""},
      {{"/a/New.txt", "/b/Old.txt"}, "/a/New.txt", "/b/Old.txt", "[]", "[]"},
      {{"/a/New.txt", "/b/Old.txt", "/c/more"}, "/a/New.txt", "/b/Old.txt", "[]", "[]"},
  };
  for (const Case& c : cases) {
    MainWindowFixture fixture;
    TFrmMain& window = fixture.Make(c.arguments);
    const std::string input = std::to_string(c.arguments.size()) + " arguments";
    EXPECT_EQ(window.NameText(NameField::kNew), c.new_name) << input;
    EXPECT_EQ(window.NameText(NameField::kOld), c.old_name) << input;
    EXPECT_EQ(Joined(window.NameHistory(NameField::kNew)), c.new_history) << input;
    EXPECT_EQ(Joined(window.NameHistory(NameField::kOld)), c.old_history) << input;
  }
}

TEST(MainWindowNamesTest, AnArgumentPutsTheStoredNameIntoTheHistory) {
  MainWindowFixture fixture;
  fixture.scratch.Write(main_testing::MainWindowFixture::kSettingsRelative,
                        "[Kestrin]\nNewDirNm=/stored/new\nOldDirNm=/stored/old\n");
  TFrmMain& window = fixture.Make({"/given/new"});
  EXPECT_EQ(window.NameText(NameField::kNew), "/given/new");
  EXPECT_EQ(Joined(window.NameHistory(NameField::kNew)), "[/stored/new]");
  EXPECT_EQ(window.NameText(NameField::kOld), "/stored/old") << "no second argument";
  EXPECT_EQ(Joined(window.NameHistory(NameField::kOld)), "");
}

}  // namespace
}  // namespace kestrin
