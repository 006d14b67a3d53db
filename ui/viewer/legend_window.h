// The change-flag legend (TFrmChgFlag): a small modeless window that lists
// each change flag of the listing with its meaning, in the flag's colour.
#ifndef KESTRIN_UI_VIEWER_LEGEND_WINDOW_H_
#define KESTRIN_UI_VIEWER_LEGEND_WINDOW_H_

#include <QDialog>

class QPushButton;

namespace kestrin {

class TFrmChgFlag : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmChgFlag(QWidget* parent = nullptr);

  // Shows the legend beside `viewer`, usable while that viewer is modal: on
  // its right when it fits there on the screen, else on its left, never over
  // `buttons` (the viewer's buttons, in screen coordinates).
  // The legend becomes the viewer's child window: whoever owns the legend
  // must track it with a guarded pointer.
  void ShowBeside(QWidget& viewer, const QRect& buttons);

  QPushButton& CloseButton() { return *close_; }

 private:
  QPushButton* close_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_LEGEND_WINDOW_H_
