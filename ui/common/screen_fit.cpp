// Keeping windows on the screen and dialogs on their default button.
#include "ui/common/screen_fit.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace kestrin {

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

QRect ToQRect(const ScreenRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

void KeepOnScreen(QWidget& window) {
  const QRect available = AvailableArea(window);
  if (available.isEmpty()) return;
  const QRect frame = window.frameGeometry();
  // The frame's decoration stays the same; only the inner size changes.
  const QSize decoration = frame.size() - window.size();
  const ScreenRect fitted = FitInside(ToScreenRect(frame), ToScreenRect(available));
  if (fitted == ToScreenRect(frame)) return;
  if (fitted.width != frame.width() || fitted.height != frame.height()) {
    window.resize(QSize(fitted.width, fitted.height) - decoration);
  }
  window.move(fitted.left, fitted.top);
}

void MakeOnlyDefault(QPushButton& button) {
  for (QPushButton* other : button.window()->findChildren<QPushButton*>()) {
    if (other->window() == button.window()) other->setAutoDefault(false);
  }
  button.setDefault(true);
}

}  // namespace kestrin
