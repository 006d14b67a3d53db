// The two busy images of the Main Panel, drawn rather than loaded: an
// hourglass with its sand above, and the same with its sand below.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_BUSY_IMAGES_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_BUSY_IMAGES_H_

#include <QPixmap>

namespace kestrin {

enum class BusyImage { kSandAbove, kSandBelow };

// Draws one busy image. REQUIRES: a QGuiApplication exists.
QPixmap DrawBusyImage(BusyImage image);

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_BUSY_IMAGES_H_
