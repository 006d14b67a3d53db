// The dual-panel viewer: opening, scroll following, navigation, find and
// layout.
#include "ui/viewer/viewer_split_window.h"

#include <QLayout>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <algorithm>

#include "ui/common/display_text.h"
#include "views/viewer_layout_values.h"
#include "views/viewer_opening.h"

namespace kestrin {
namespace {

// The designed place and size of the window, and the left list's width
// there (half the room) until the window is first laid out.
constexpr int kDesignedLeft = 239;
constexpr int kDesignedTop = 183;
constexpr int kDesignedWidth = 671;
constexpr int kDesignedHeight = 539;
constexpr int kDesignedLeftListWidth = 329;

}  // namespace

TFrmVSplit::TFrmVSplit(const ViewerLayout& layout, ViewerMessages& messages, TFrmChgFlag& legend,
                       QWidget* parent)
    : ViewerWindow(kDualBandTexts, messages, legend, parent),
      left_(new ViewerListPane),
      right_(new ViewerListPane),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      left_list_width_(kDesignedLeftListWidth) {
  setObjectName(QStringLiteral("TFrmVSplit"));
  left_->List().setObjectName(DisplayText(kInsertsListName));
  right_->List().setObjectName(DisplayText(kDeletesListName));
  splitter_->setObjectName(DisplayText(kSplitterName));
  splitter_->addWidget(left_);
  splitter_->addWidget(right_);
  splitter_->setChildrenCollapsible(false);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 1);
  connect(splitter_, &QSplitter::splitterMoved, this, [this] {
    left_list_width_ = splitter_->sizes().value(0, left_list_width_);
    share_.Dragged(left_list_width_, SplitterRoom());
  });
  // Both lists keep a horizontal scroll bar so that their rows stay level;
  // the right list scrolls only with the left one.
  left_->List().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  right_->List().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  right_->List().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  right_->List().SetScrollsPastEnd(true);
  connect(&left_->List(), &ViewerListView::TopRowChanged, this, &TFrmVSplit::FollowLeftTopRow);
  SetContent(splitter_);
  move(kDesignedLeft, kDesignedTop);
  resize(kDesignedWidth, kDesignedHeight);
  SetDesignedListFont();
  RestoreLayout(layout);
  if (layout.VLWide2.empty()) WidenForRuler(left_->List(), 2);
  WatchSummaryJumps();
}

void TFrmVSplit::RestoreLayout(const ViewerLayout& layout) {
  RestorePrintFontSize(layout.PFontSz);
  if (!RestoreListFontSize(layout.VLFontSz)) return;
  const auto restore_width = [this](int value) {
    left_list_width_ = value;
    share_.SetStoredWidth(value);
  };
  if (!RestoreStoredValues({{layout.SpSplit, restore_width}})) {
    return;
  }
  RestoreGeometry(layout.VLTop2, layout.VLHt2, layout.VLLeft2, layout.VLWide2);
}

void TFrmVSplit::Open(const ViewerOpening& opening) {
  BeginOpening(opening, DualCaption(opening.run_stamp));
  const ReportLines& report = *opening.report;
  left_->ShowRows(report, RowSide::kInserts,
                  HeaderText(kInsertsHeader, report.settings, opening.ruler_width));
  right_->ShowRows(report, RowSide::kDeletes,
                   HeaderText(kDeletesHeader, report.settings, opening.ruler_width));
  FollowLeftTopRow();
}

void TFrmVSplit::StoreLayout(ViewerLayout& layout) const {
  StoreFontSizes(layout);
  StoreGeometry(layout.VLLeft2, layout.VLTop2, layout.VLWide2, layout.VLHt2);
  layout.SpSplit = StoredText(LeftListWidth(), kStoredGeometryWidth);
}

int TFrmVSplit::LeftListWidth() const { return left_list_width_; }

void TFrmVSplit::FollowLeftTopRow() {
  const int right_rows = right_->List().Rows().rowCount();
  if (right_rows == 0) return;
  right_->List().SetTopRow(std::min(left_->List().TopRow(), right_rows - 1));
}

void TFrmVSplit::ToTop() {
  if (left_->List().Rows().rowCount() == 0) return;
  SelectFoundRow(0);
}

void TFrmVSplit::ToBottom() {
  const int left_rows = left_->List().Rows().rowCount();
  if (left_rows == 0) return;
  right_->List().SelectRow(right_->List().Rows().rowCount() - 1);
  left_->List().SelectRow(left_rows - 1);
  FollowLeftTopRow();
}

std::optional<int64_t> TFrmVSplit::FindRow(const FindRequest& request) const {
  return FindDualRow(*Report(), request);
}

void TFrmVSplit::SelectFoundRow(int row) {
  if (row < right_->List().Rows().rowCount()) {
    right_->List().SelectRow(row);
  } else {
    right_->List().clearSelection();
  }
  left_->List().SelectRow(row);
  FollowLeftTopRow();
}

void TFrmVSplit::ApplyListFont(int points) {
  left_->SetListFont(points);
  right_->SetListFont(points);
}

void TFrmVSplit::showEvent(QShowEvent* event) {
  ViewerWindow::showEvent(event);
  // The share is applied once the shown window has settled at its size.
  QTimer::singleShot(0, this, [this] {
    layout()->activate();
    sized_ = true;
    ApplyLeftListShare();
  });
}

void TFrmVSplit::resizeEvent(QResizeEvent* event) {
  ViewerWindow::resizeEvent(event);
  if (sized_) ApplyLeftListShare();
}

void TFrmVSplit::hideEvent(QHideEvent* event) {
  sized_ = false;
  left_list_width_ = splitter_->sizes().value(0, left_list_width_);
  ViewerWindow::hideEvent(event);
}

int TFrmVSplit::SplitterRoom() const { return splitter_->width() - splitter_->handleWidth(); }

void TFrmVSplit::ApplyLeftListShare() {
  const int room = SplitterRoom();
  if (room <= 0) return;
  const int left = share_.LeftWidth(room);
  splitter_->setSizes({left, room - left});
  left_list_width_ = splitter_->sizes().value(0, left);
}

}  // namespace kestrin
