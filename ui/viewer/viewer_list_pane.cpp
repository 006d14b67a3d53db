// A viewer list under its header.
#include "ui/viewer/viewer_list_pane.h"

#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/display_text.h"
#include "ui/viewer/viewer_colours.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

constexpr int kHeaderPadding = 2;

}  // namespace

QFont ViewerListFont(int points) {
  QFont font(DisplayText(kReportFontFamily));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(points);
  return font;
}

ViewerHeaderBar::ViewerHeaderBar(const ViewerListView& list, QWidget* parent)
    : QWidget(parent), list_(list) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ViewerHeaderBar::SetText(const QString& text) {
  text_ = text;
  update();
}

QSize ViewerHeaderBar::sizeHint() const {
  return {fontMetrics().horizontalAdvance(text_), fontMetrics().height() + 2 * kHeaderPadding};
}

QSize ViewerHeaderBar::minimumSizeHint() const { return {0, sizeHint().height()}; }

void ViewerHeaderBar::paintEvent(QPaintEvent*) {
  const int rows_left = list_.viewport()->mapToGlobal(QPoint()).x() - mapToGlobal(QPoint()).x();
  const int text_left =
      rows_left + ViewerListView::kTextMargin - list_.horizontalScrollBar()->value();
  QPainter painter(this);
  painter.setPen(ViewerColour(RowColourName::kNavy));
  painter.drawText(rect().adjusted(text_left, 0, 0, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

ViewerListPane::ViewerListPane(QWidget* parent)
    : QWidget(parent), list_(new ViewerListView(this)), header_(new ViewerHeaderBar(*list_, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(header_);
  layout->addWidget(list_, 1);
  connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, header_,
          [this] { header_->update(); });
}

void ViewerListPane::ShowRows(const ReportLines& report, RowSide side,
                              const std::optional<std::string>& header) {
  list_->Rows().ShowRows(report, side);
  header_->SetText(header ? DisplayText(*header) : QString());
  header_->setVisible(header.has_value());
  FitRowWidth();
  list_->LayOutRows();
  list_->SelectRow(0);
  list_->SetTopRow(0);
  list_->horizontalScrollBar()->setValue(0);
}

void ViewerListPane::SetListFont(int points) {
  const QFont font = ViewerListFont(points);
  header_->setFont(font);
  list_->setFont(font);
  header_->updateGeometry();
  FitRowWidth();
}

void ViewerListPane::FitRowWidth() {
  const int header_characters =
      header_->isVisibleTo(this) ? static_cast<int>(header_->Text().size()) : 0;
  list_->SetRowCharacters(std::max(list_->Rows().WidestRow(), header_characters));
}

}  // namespace kestrin
