// The Main Panel as a keyboard user meets it: typed names stay as typed while
// the history is offered, and the buttons carry access keys that clash with
// none on the page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFocusEvent>
#include <QLineEdit>
#include <map>

#include "tests/ui/common/ui_support.h"
#include "ui/main/main_window_name_combo.h"

namespace kestrin::ui_testing {
namespace {

TEST(MainWindowKeysTest, ATypedPrefixOfAHistoryEntryIsUsedAsTyped) {
  MainWindowFixture fixture;
  const std::string directory = fixture.scratch.MakeDirectory("proj-new");
  const std::string file = fixture.scratch.Write("proj-new/mod3.c", "x\n");
  TFrmMain& window = fixture.Make();
  window.InsertNameHistoryTop(NameField::kNew, file);
  auto* field = Child<NameComboBox>(window, "MnCbNewName");
  field->setEditText("");
  field->setFocus();
  TypeInto(field->lineEdit(), QString::fromStdString(directory));
  ASSERT_NE(field->completer(), nullptr);
  EXPECT_EQ(field->completer()->completionCount(), 1) << "the history entry is offered";
  EXPECT_EQ(field->lineEdit()->text().toStdString(), directory);
  field->completer()->popup()->hide();
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &leave);
  EXPECT_EQ(window.NameText(NameField::kNew), directory);
}

TEST(MainWindowKeysTest, StartHaltAndExitHaveAccessKeysNoOtherControlUses) {
  MainWindowFixture fixture;
  TFrmMain& window = fixture.Make();
  std::map<QString, std::vector<std::string>> users;
  for (QAbstractButton* button :
       Child<QWidget>(window, "MnPage")->findChildren<QAbstractButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (!key.isEmpty()) users[key.toString()].push_back(button->objectName().toStdString());
  }
  for (const char* name : {"MnBtnStart", "MnBtnHalt", "MnBtnExit"}) {
    EXPECT_FALSE(QKeySequence::mnemonic(Child<QAbstractButton>(window, name)->text()).isEmpty())
        << name;
  }
  for (const auto& [key, names] : users) {
    EXPECT_EQ(names.size(), 1u) << key.toStdString() << " used by " << names.front() << " and "
                                << names.back();
  }
}

}  // namespace
}  // namespace kestrin::ui_testing
