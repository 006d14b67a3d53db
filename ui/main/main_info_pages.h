// The information pages of the main window: About and OverView.
#ifndef KESTRIN_UI_MAIN_MAIN_INFO_PAGES_H_
#define KESTRIN_UI_MAIN_MAIN_INFO_PAGES_H_

class QPushButton;
class QWidget;

namespace kestrin {

// The controls of the information pages, owned by their page widgets.
struct InfoPagesControls {
  QPushButton* about_return = nullptr;
  QPushButton* overview_return = nullptr;
  QPushButton* help = nullptr;
};

QWidget* BuildAboutPage(InfoPagesControls& controls);
QWidget* BuildOverviewPage(InfoPagesControls& controls);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_INFO_PAGES_H_
