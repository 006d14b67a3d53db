// The screen rules every window follows: it opens and stays inside the
// available area of its screen, and dialogs keep the one default button
// their description names.
#ifndef KESTRIN_UI_COMMON_SCREEN_FIT_H_
#define KESTRIN_UI_COMMON_SCREEN_FIT_H_

#include <QRect>

#include "views/window_placement.h"

class QPushButton;
class QWidget;

namespace kestrin {

ScreenRect ToScreenRect(const QRect& rect);
QRect ToQRect(const ScreenRect& rect);

// The available area of the screen `window` is on (the primary screen when
// it is on none).
QRect AvailableArea(const QWidget& window);

// Shrinks and moves the top-level `window` so that its frame lies inside the
// available area of its screen.
void KeepOnScreen(QWidget& window);

// Makes `button` its dialog's only default button: Return presses it
// whichever button last had the focus. REQUIRES: the dialog's buttons exist.
void MakeOnlyDefault(QPushButton& button);

}  // namespace kestrin

#endif  // KESTRIN_UI_COMMON_SCREEN_FIT_H_
