// The main window as the run controller sees it: name fields, compare type,
// enabled buttons, status line, focus, busy images and pending events.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/qt_strings.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_name_combo.h"
#include "views/progress_bar_value.h"

namespace kestrin {

std::string TFrmMain::NameText(NameField field) const { return Field(field)->Text(); }

void TFrmMain::SetNameText(NameField field, const std::string& text) {
  Field(field)->SetText(text);
}

std::vector<std::string> TFrmMain::NameHistory(NameField field) const {
  return Field(field)->History().Entries();
}

void TFrmMain::InsertNameHistoryTop(NameField field, const std::string& text) {
  Field(field)->ChangeHistory([&](NameHistoryModel& history) {
    history.InsertTop(text);
    return true;
  });
}

void TFrmMain::RememberNameTexts() {
  pages_.RememberNames({NameText(NameField::kNew), NameText(NameField::kOld)});
}

std::string TFrmMain::CompareTypeText() const { return FromQt(main_.compare_type->currentText()); }

void TFrmMain::SetCompareTypeIndex(int index) {
  main_.compare_type->setCurrentIndex(index);
}

bool TFrmMain::BypassChecked() const { return main_.bypass->isChecked(); }

bool TFrmMain::SubdirectoriesIncluded() const { return main_.subdirectories->isChecked(); }

void TFrmMain::SetDpChoice(int dp_choice) {
  const bool known_choice = dp_choice >= 0 && dp_choice < kDpOptionCount;
  dp_.entries[known_choice ? dp_choice : 0]->setChecked(true);
}

void TFrmMain::SetEnabled(MainControl control, bool enabled) {
  QWidget* widget = nullptr;
  switch (control) {
    case MainControl::kStart:
      widget = main_.start;
      break;
    case MainControl::kHalt:
      widget = main_.halt;
      break;
    case MainControl::kReShow:
      widget = main_.re_show;
      break;
    case MainControl::kExit:
      widget = main_.exit;
      break;
    case MainControl::kBypassBox:
      widget = main_.bypass;
      break;
  }
  widget->setEnabled(enabled);
}

void TFrmMain::SetStatus(const std::string& text) {
  main_.status->setText(ToQt(text));
  main_.status->setCursorPosition(0);
}

void TFrmMain::SetFocus(MainFocus target) {
  switch (target) {
    case MainFocus::kNewName:
      main_.new_name->setFocus();
      break;
    case MainFocus::kOldName:
      main_.old_name->setFocus();
      break;
    case MainFocus::kExit:
      main_.exit->setFocus();
      break;
    case MainFocus::kStatusLine:
      main_.status->setFocus();
      break;
  }
}

void TFrmMain::ToggleBusyImages() {
  const bool first_shown = !main_.busy_first->isHidden();
  const bool second_shown = !main_.busy_second->isHidden();
  main_.busy_first->setVisible(second_shown);
  main_.busy_second->setVisible(first_shown);
}

void TFrmMain::ShowFirstBusyImage() {
  main_.busy_first->show();
  main_.busy_second->hide();
}

void TFrmMain::HideBusyImages() {
  main_.busy_first->hide();
  main_.busy_second->hide();
}

void TFrmMain::ShowRunProgress(const RunProgress& progress) {
  const ProgressBarValue shown = BarValueOf(progress);
  main_.progress->setRange(0, shown.maximum);
  main_.progress->setValue(shown.value);
}

void TFrmMain::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace kestrin
