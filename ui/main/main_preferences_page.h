// The Preferences page: the 17 preference boxes with their descriptions,
// the Subc character field, the tab-size selector, the compare-column range
// fields, the binary-file note and the Return, Cancel and Reset buttons.
#ifndef KESTRIN_UI_MAIN_MAIN_PREFERENCES_PAGE_H_
#define KESTRIN_UI_MAIN_MAIN_PREFERENCES_PAGE_H_

#include <array>

#include "engine/compare_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kestrin {

// The compare-column range fields, in the order of ControlValues.
enum class RangeField { kNew1, kNew2, kOld1, kOld2 };
inline constexpr int kRangeFieldCount = 4;

// The page's controls, owned by the page widget.
struct PreferencesControls {
  std::array<QCheckBox*, kPreferenceCount> boxes{};  // indexed by Preference
  QLineEdit* subc = nullptr;
  QComboBox* tab_size = nullptr;
  std::array<QLineEdit*, kRangeFieldCount> ranges{};  // indexed by RangeField
  QPushButton* return_button = nullptr;
  QPushButton* cancel_button = nullptr;
  QPushButton* reset_button = nullptr;
};

// Builds the page with the designed defaults (no box ticked, Subc ".", tab
// size 4, first ranges 1:eol) and fills `controls`.
QWidget* BuildPreferencesPage(PreferencesControls& controls);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_PREFERENCES_PAGE_H_
