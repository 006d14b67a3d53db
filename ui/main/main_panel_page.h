// The Main Panel page: the two name fields, the listing and compare types,
// Start, Halt and Exit, the status line, the hint and report boxes, the
// options text, the directions, the version label and the busy images.
#ifndef KESTRIN_UI_MAIN_MAIN_PANEL_PAGE_H_
#define KESTRIN_UI_MAIN_MAIN_PANEL_PAGE_H_

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace kestrin {

class NameComboBox;

// The page's controls, owned by the page widget.
struct MainPanelControls {
  NameComboBox* new_name = nullptr;
  NameComboBox* old_name = nullptr;
  QPushButton* dir_lookup = nullptr;
  QComboBox* listing_type = nullptr;
  QComboBox* compare_type = nullptr;
  QCheckBox* subdirectories = nullptr;
  QPushButton* start = nullptr;
  QPushButton* halt = nullptr;
  QPushButton* exit = nullptr;
  QLineEdit* status = nullptr;
  QProgressBar* progress = nullptr;  // beside the status line
  QCheckBox* hints_off = nullptr;
  QPushButton* re_show = nullptr;
  QCheckBox* bypass = nullptr;
  QLabel* options = nullptr;
  QLabel* version = nullptr;
  QLabel* busy_first = nullptr;
  QLabel* busy_second = nullptr;
};

// Builds the page with every control in its designed state (Halt and
// Re-Show disabled, busy images hidden) and fills `controls`.
QWidget* BuildMainPanelPage(MainPanelControls& controls);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_PANEL_PAGE_H_
