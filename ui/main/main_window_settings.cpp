// The main window's controls as plain values: the compare controls the
// snapshot reads, and the settings record loaded at creation and saved at
// close.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "settings/settings_file.h"
#include "ui/common/qt_strings.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_name_combo.h"

namespace kestrin {

namespace {

// Selects the entry of a fixed-list selector that equals `text`; a text that
// is no entry leaves the selector as it is, so it always holds a valid entry.
void SelectEntry(QComboBox* selector, const std::string& text) {
  const int index = selector->findText(ToQt(text), Qt::MatchExactly);
  if (index >= 0) selector->setCurrentIndex(index);
}

std::string Text(const QLineEdit* edit) { return FromQt(edit->text()); }
std::string Text(const QComboBox* selector) { return FromQt(selector->currentText()); }

}  // namespace

ControlValues TFrmMain::Controls() const {
  ControlValues controls;
  controls.listing_type_text = Text(main_.listing_type);
  for (int index = 0; index < kPreferenceCount; ++index) {
    controls.preferences[index] = preferences_.boxes[index]->isChecked();
  }
  controls.tab_size_text = Text(preferences_.tab_size);
  controls.subc_text = Text(preferences_.subc);
  controls.dp_choice = std::max(0, dp_.choice->checkedId());
  controls.dudc_tag = Text(dp_.dudc_tag);
  controls.dudc_embedded = Text(dp_.dudc_embedded);
  controls.new_range1 = Text(preferences_.ranges[static_cast<int>(RangeField::kNew1)]);
  controls.new_range2 = Text(preferences_.ranges[static_cast<int>(RangeField::kNew2)]);
  controls.old_range1 = Text(preferences_.ranges[static_cast<int>(RangeField::kOld1)]);
  controls.old_range2 = Text(preferences_.ranges[static_cast<int>(RangeField::kOld2)]);
  return controls;
}

void TFrmMain::WriteControls(const ControlValues& controls) {
  SelectEntry(main_.listing_type, controls.listing_type_text);
  for (int index = 0; index < kPreferenceCount; ++index) {
    preferences_.boxes[index]->setChecked(controls.preferences[index]);
  }
  SelectEntry(preferences_.tab_size, controls.tab_size_text);
  preferences_.subc->setText(ToQt(controls.subc_text));
  SetDpChoice(controls.dp_choice);
  dp_.dudc_tag->setText(ToQt(controls.dudc_tag));
  SelectEntry(dp_.dudc_embedded, controls.dudc_embedded);
  preferences_.ranges[static_cast<int>(RangeField::kNew1)]->setText(ToQt(controls.new_range1));
  preferences_.ranges[static_cast<int>(RangeField::kNew2)]->setText(ToQt(controls.new_range2));
  preferences_.ranges[static_cast<int>(RangeField::kOld1)]->setText(ToQt(controls.old_range1));
  preferences_.ranges[static_cast<int>(RangeField::kOld2)]->setText(ToQt(controls.old_range2));
}

void TFrmMain::ApplySettings() {
  move(settings_.Left, settings_.Top);
  const auto fill_name = [](NameComboBox* field, const std::vector<std::string>& history,
                            const std::string& text) {
    field->ChangeHistory([&](NameHistoryModel& model) {
      model.SetEntries(history);
      return true;
    });
    field->SetText(text);
  };
  fill_name(main_.new_name, settings_.NFCombo, settings_.NewDirNm);
  fill_name(main_.old_name, settings_.OFCombo, settings_.OldDirNm);

  // A stored text that is no entry of the list keeps the designed entry.
  const int compare_type = main_.compare_type->findText(ToQt(settings_.CompareType));
  if (compare_type >= 0) SetCompareTypeIndex(compare_type);
  main_.bypass->setChecked(settings_.ViewResults);
  main_.subdirectories->setChecked(settings_.InclSubDirs);
  main_.hints_off->setChecked(settings_.TurnOffHint);
  WriteControls(settings_.controls);
  main_.options->setText(ToQt(settings_.OptsUsed));
  controller_->RestoreSavedSelections(settings_.SvLList, settings_.SvULList);
}

void TFrmMain::CollectSettings() {
  settings_.Top = y();
  settings_.Left = x();
  settings_.NewDirNm = NameText(NameField::kNew);
  settings_.NFCombo = NameHistory(NameField::kNew);
  settings_.OldDirNm = NameText(NameField::kOld);
  settings_.OFCombo = NameHistory(NameField::kOld);
  settings_.CompareType = CompareTypeText();
  settings_.ViewResults = BypassChecked();
  settings_.InclSubDirs = SubdirectoriesIncluded();
  settings_.TurnOffHint = main_.hints_off->isChecked();
  settings_.OptsUsed = FromQt(main_.options->text());
  settings_.controls = Controls();
  settings_.SvLList = controller_->SavedLikeNameSelection();
  settings_.SvULList = controller_->SavedPairSelection();
}

void TFrmMain::SaveAllSettings() {
  CollectSettings();
  const SaveOutcome outcome = SaveSettings(settings_, settings_path_, fs_);
  if (!outcome.saved) dialogs_.ShowMessage(outcome.reason);
}

}  // namespace kestrin
