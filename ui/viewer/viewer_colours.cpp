// Viewer colours for Qt.
#include "ui/viewer/viewer_colours.h"

#include <QPalette>
#include <QWidget>

namespace kestrin {

QColor ViewerColour(RowColourName colour) {
  const Rgb rgb = ColourRgb(colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

void SetTextColour(QWidget& widget, RowColourName colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, ViewerColour(colour));
  palette.setColor(QPalette::Text, ViewerColour(colour));
  widget.setPalette(palette);
}

}  // namespace kestrin
