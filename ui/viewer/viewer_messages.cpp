// Viewer messages as modal information boxes.
#include "ui/viewer/viewer_messages.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kestrin {

void MessageBoxViewerMessages::ShowMessage(QWidget* window, const QString& text) {
  QMessageBox::information(window, QGuiApplication::applicationDisplayName(), text);
}

}  // namespace kestrin
