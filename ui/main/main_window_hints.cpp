// Hints of the whole program are switched by eating their events at the
// application, so windows made later obey the switch as well.
#include "ui/main/main_window_hints.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace kestrin {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {
  QApplication::instance()->installEventFilter(this);
}

void HintSwitch::SetHintsShown(bool shown) {
  shown_ = shown;
  if (!shown_) QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrin
