// The Dp Options page: the radio choice of the eleven Dp options with their
// descriptions, the Dudc comment tag and its Yes/No selector, the note and
// the Return and Cancel buttons.
#ifndef KESTRIN_UI_MAIN_MAIN_DP_OPTIONS_PAGE_H_
#define KESTRIN_UI_MAIN_MAIN_DP_OPTIONS_PAGE_H_

#include <array>

#include "engine/compare_settings.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kestrin {

// The page's controls, owned by the page widget.
struct DpOptionsControls {
  QButtonGroup* choice = nullptr;  // button id = DpChoice index
  std::array<QRadioButton*, kDpOptionCount> entries{};
  QLineEdit* dudc_tag = nullptr;
  QComboBox* dudc_embedded = nullptr;
  QPushButton* return_button = nullptr;
  QPushButton* cancel_button = nullptr;
};

// Builds the page with the designed defaults (None, tag "#", No) and fills
// `controls`.
QWidget* BuildDpOptionsPage(DpOptionsControls& controls);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_DP_OPTIONS_PAGE_H_
