// The switch behind "Turn off "All" Panel Hints": while it is off, no window
// of the program shows a pop-up hint.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_HINTS_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_HINTS_H_

#include <QObject>

namespace kestrin {

class HintSwitch : public QObject {
  Q_OBJECT

 public:
  // Watches every hint of the application. REQUIRES: a QApplication exists.
  explicit HintSwitch(QObject* parent);

  void SetHintsShown(bool shown);
  bool HintsShown() const { return shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_HINTS_H_
