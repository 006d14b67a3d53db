// The viewer colours as Qt colours, for rows, headers, labels and the legend.
#ifndef KESTRIN_UI_VIEWER_VIEWER_COLOURS_H_
#define KESTRIN_UI_VIEWER_VIEWER_COLOURS_H_

#include <QColor>

#include "report/report_rows.h"

class QWidget;

namespace kestrin {

QColor ViewerColour(RowColourName colour);

// Makes `widget` draw its text in `colour`.
void SetTextColour(QWidget& widget, RowColourName colour);

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_COLOURS_H_
