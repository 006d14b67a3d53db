// The legend's rows and its placement beside the viewer.
#include "ui/viewer/legend_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/display_text.h"
#include "ui/common/screen_fit.h"
#include "ui/viewer/viewer_colours.h"
#include "ui/viewer/viewer_list_pane.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

constexpr int kLegendFontSize = 9;
constexpr int kGapToViewer = 4;

QLabel* ColouredLabel(std::string_view text, RowColourName colour, QWidget* parent) {
  auto* label = new QLabel(DisplayText(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(ViewerListFont(kLegendFontSize));
  SetTextColour(*label, colour);
  return label;
}

}  // namespace

TFrmChgFlag::TFrmChgFlag(QWidget* parent)
    : QDialog(parent), close_(new QPushButton(DisplayText(kLegendCloseCaption), this)) {
  setObjectName(QStringLiteral("TFrmChgFlag"));
  setWindowTitle(DisplayText(kLegendCaption));
  setModal(false);

  auto* heading = new QLabel(DisplayText(kLegendHeading), this);
  QFont heading_font = heading->font();
  heading_font.setBold(true);
  heading->setFont(heading_font);

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(12);
  int row = 0;
  for (const LegendRow& entry : kLegendRows) {
    rows->addWidget(ColouredLabel(entry.key, entry.colour, this), row, 0);
    rows->addWidget(ColouredLabel(entry.text, entry.colour, this), row, 1);
    ++row;
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(heading);
  layout->addLayout(rows);
  layout->addLayout(buttons);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void TFrmChgFlag::ShowBeside(QWidget& viewer, const QRect& buttons) {
  if (parentWidget() != &viewer) setParent(&viewer, windowFlags());
  adjustSize();
  const QRect available = AvailableArea(viewer);
  if (!available.isEmpty()) {
    const ScreenRect place = PlaceBeside(ToScreenRect(viewer.frameGeometry()),
                                         ToScreenRect(buttons), frameGeometry().width(),
                                         frameGeometry().height(), ToScreenRect(available),
                                         kGapToViewer);
    move(place.left, place.top);
  }
  show();
  raise();
}

}  // namespace kestrin
