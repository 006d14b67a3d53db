// The viewer list and the painting of its rows.
#include "ui/viewer/viewer_list_view.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace kestrin {
namespace {

// Paints a row as one line of text in its row colour, or in the highlight
// colours when selected, never elided; every row is as wide as the widest.
class ViewerRowDelegate : public QStyledItemDelegate {
 public:
  ViewerRowDelegate(const int& row_characters, QObject* parent)
      : QStyledItemDelegate(parent), row_characters_(row_characters) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected) painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    const QColor colour = selected ? option.palette.color(QPalette::HighlightedText)
                                   : index.data(Qt::ForegroundRole).value<QBrush>().color();
    painter->save();
    painter->setFont(option.font);
    painter->setPen(colour);
    painter->drawText(option.rect.adjusted(ViewerListView::kTextMargin, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    const QFontMetrics& metrics = option.fontMetrics;
    const int width = 2 * ViewerListView::kTextMargin +
                      row_characters_ * metrics.horizontalAdvance(QLatin1Char('M'));
    return {width, metrics.height()};
  }

 private:
  const int& row_characters_;
};

}  // namespace

ViewerListView::ViewerListView(QWidget* parent) : QListView(parent) {
  setModel(&model_);
  setItemDelegate(new ViewerRowDelegate(row_characters_, this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideNone);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ViewerListView::TopRowChanged);
}

void ViewerListView::SetRowCharacters(int characters) {
  row_characters_ = characters;
  scheduleDelayedItemsLayout();
}

void ViewerListView::SetScrollsPastEnd(bool scrolls_past_end) {
  scrolls_past_end_ = scrolls_past_end;
  updateGeometries();
}

int ViewerListView::TopRow() const { return verticalScrollBar()->value(); }

void ViewerListView::SetTopRow(int row) { verticalScrollBar()->setValue(row); }

int ViewerListView::SelectedRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ViewerListView::SelectRow(int row) {
  const QModelIndex index = model_.index(row, 0);
  if (!index.isValid()) return;
  setCurrentIndex(index);
  scrollTo(index);
}

void ViewerListView::LayOutRows() { executeDelayedItemsLayout(); }

void ViewerListView::updateGeometries() {
  QListView::updateGeometries();
  if (scrolls_past_end_) {
    verticalScrollBar()->setRange(0, std::max(0, model_.rowCount() - 1));
  }
}

}  // namespace kestrin
