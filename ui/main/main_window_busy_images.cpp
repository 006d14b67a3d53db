// Drawing of the two hourglass images that alternate while a compare runs.
#include "ui/main/main_window_busy_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kestrin {

namespace {

constexpr int kImageSize = 32;
const QColor kFrameColour(90, 60, 30);
const QColor kGlassColour(225, 240, 250);
const QColor kSandColour(215, 170, 60);

// The glass: two triangles meeting at the centre, between a top and a
// bottom board.
QPolygonF UpperBulb() { return QPolygonF({{8, 5}, {24, 5}, {16, 16}}); }
QPolygonF LowerBulb() { return QPolygonF({{16, 16}, {24, 27}, {8, 27}}); }

}  // namespace

QPixmap DrawBusyImage(BusyImage image) {
  QPixmap pixmap(kImageSize, kImageSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kFrameColour, 1.2));
  painter.setBrush(kGlassColour);
  painter.drawPolygon(UpperBulb());
  painter.drawPolygon(LowerBulb());

  painter.setPen(Qt::NoPen);
  painter.setBrush(kSandColour);
  if (image == BusyImage::kSandAbove) {
    painter.drawPolygon(QPolygonF({{10, 7}, {22, 7}, {16, 15}}));
  } else {
    painter.drawPolygon(QPolygonF({{16, 20}, {22, 26}, {10, 26}}));
    painter.drawRect(QRectF(15.5, 16, 1, 5));
  }

  painter.setBrush(kFrameColour);
  painter.drawRect(QRectF(5, 2, 22, 3));
  painter.drawRect(QRectF(5, 27, 22, 3));
  return pixmap;
}

}  // namespace kestrin
