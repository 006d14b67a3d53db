// The page-change rules of the main window's notebook and its close rule.
#include "views/main_pages_model.h"

#include "settings/kestrin_settings.h"

namespace kestrin {

bool MainPagesModel::ChangePage(MainPage entering, ControlValues& controls,
                                const NameTexts& names) {
  const MainPage leaving = current_;
  if (entering == leaving) return false;
  current_ = entering;
  bool rebuild = false;
  if (leaving == MainPage::kPreferences) {
    // The Subc field may still hold an unfinished edit; the snapshot needs it
    // whole.
    controls.subc_text = NormalisedSubc(controls.subc_text);
    rebuild = true;
  }
  // Leaving Dp Options rebuilds the text as well, so that the Main Panel and
  // the settings file never keep a Dp option the controls no longer hold.
  if (leaving == MainPage::kDpOptions) rebuild = true;
  switch (entering) {
    case MainPage::kPreferences:
      remembered_preferences_ = controls.preferences;
      break;
    case MainPage::kDirFileSelect:
      RememberNames(names);
      break;
    case MainPage::kDpOptions:
      remembered_dp_ = {controls.dp_choice, controls.dudc_tag, controls.dudc_embedded};
      rebuild = true;
      break;
    default:
      break;
  }
  return rebuild;
}

void MainPagesModel::ResetPreferences(ControlValues& controls) { controls.preferences.fill(false); }

void MainPagesModel::RestorePreferences(ControlValues& controls) const {
  controls.preferences = remembered_preferences_;
}

void MainPagesModel::RestoreDpOptions(ControlValues& controls) const {
  controls.dp_choice = remembered_dp_.dp_choice;
  controls.dudc_tag = remembered_dp_.dudc_tag;
  controls.dudc_embedded = remembered_dp_.dudc_embedded;
}

CloseOutcome MainPagesModel::RequestClose(bool run_in_progress) const {
  if (run_in_progress) return CloseOutcome::kRefusedDuringRun;
  if (current_ != MainPage::kMainPanel) return CloseOutcome::kReturnToMainPanel;
  return CloseOutcome::kSaveAndEnd;
}

}  // namespace kestrin
