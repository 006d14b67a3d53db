// The main window's notebook as plain logic: which page shows, what is
// remembered on entering a page, what Return, Cancel and Reset put back, and
// how a close request is answered.
#ifndef KESTRIN_VIEWS_MAIN_PAGES_MODEL_H_
#define KESTRIN_VIEWS_MAIN_PAGES_MODEL_H_

#include <array>
#include <string>

#include "engine/compare_settings.h"

namespace kestrin {

// The six pages, in notebook order.
enum class MainPage { kMainPanel, kDirFileSelect, kPreferences, kDpOptions, kAbout, kOverView };
inline constexpr int kMainPageCount = 6;

// The texts of the two name fields.
struct NameTexts {
  std::string new_name;
  std::string old_name;
};

// The Dp Options page's values.
struct DpValues {
  int dp_choice = 0;
  std::string dudc_tag;
  std::string dudc_embedded;
};

enum class CloseOutcome {
  kRefusedDuringRun,   // a compare is running: the window stays as it is
  kReturnToMainPanel,  // another page shows: only the Main Panel comes up
  kSaveAndEnd,         // the Main Panel shows: save the settings and end
};

class MainPagesModel {
 public:
  MainPage Current() const { return current_; }

  // Runs the rules of a change from Current() to `entering` with the
  // controls as they are now, and makes `entering` current. Leaving
  // Preferences normalises controls.subc_text (NormalisedSubc). Returns true
  // iff the options text must be rebuilt from the controls and shown.
  bool ChangePage(MainPage entering, ControlValues& controls, const NameTexts& names);

  // Preferences Reset: clears every box; the page stays.
  static void ResetPreferences(ControlValues& controls);
  // Preferences Cancel: the boxes go back to their states when the page was
  // entered. The Subc character, tab size and compare columns stay.
  void RestorePreferences(ControlValues& controls) const;
  // Dp Options Cancel: the Dp option, Dudc tag and Yes/No text go back to
  // their values when the page was entered.
  void RestoreDpOptions(ControlValues& controls) const;
  // The name texts when the Dir/File Select page was entered or
  // RememberNames was last called.
  const NameTexts& RememberedNames() const { return remembered_names_; }
  void RememberNames(const NameTexts& names) { remembered_names_ = names; }

  // How a request to close the window is answered.
  CloseOutcome RequestClose(bool run_in_progress) const;

 private:
  MainPage current_ = MainPage::kMainPanel;
  std::array<bool, kPreferenceCount> remembered_preferences_{};
  DpValues remembered_dp_;
  NameTexts remembered_names_;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_MAIN_PAGES_MODEL_H_
