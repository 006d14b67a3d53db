// The single-panel viewer: opening, navigation, find and layout.
#include "ui/viewer/viewer_list_window.h"

#include "ui/common/display_text.h"
#include "views/viewer_opening.h"

namespace kestrin {
namespace {

// The designed size of the window.
constexpr int kDesignedWidth = 634;
constexpr int kDesignedHeight = 465;

}  // namespace

TFrmVList::TFrmVList(const ViewerLayout& layout, ViewerMessages& messages, TFrmChgFlag& legend,
                     QWidget* parent)
    : ViewerWindow(kSingleBandTexts, messages, legend, parent), pane_(new ViewerListPane(this)) {
  setObjectName(QStringLiteral("TFrmVList"));
  pane_->List().setObjectName(DisplayText(kSingleListName));
  SetContent(pane_);
  resize(kDesignedWidth, kDesignedHeight);
  SetDesignedListFont();
  RestoreLayout(layout);
  if (layout.VLWide1.empty()) WidenForRuler(pane_->List(), 1);
  WatchSummaryJumps();
}

void TFrmVList::RestoreLayout(const ViewerLayout& layout) {
  if (!RestoreListFontSize(layout.VLFontSz)) return;
  RestorePrintFontSize(layout.PFontSz);
  RestoreGeometry(layout.VLTop1, layout.VLHt1, layout.VLLeft1, layout.VLWide1);
}

void TFrmVList::Open(const ViewerOpening& opening) {
  BeginOpening(opening, SingleCaption(opening.run_stamp));
  header_ = SingleHeader(*opening.report, opening.ruler_width);
  pane_->ShowRows(*opening.report, RowSide::kSingle, header_);
}

void TFrmVList::StoreLayout(ViewerLayout& layout) const {
  StoreFontSizes(layout);
  StoreGeometry(layout.VLLeft1, layout.VLTop1, layout.VLWide1, layout.VLHt1);
}

void TFrmVList::ToTop() {
  if (pane_->List().Rows().rowCount() > 0) pane_->List().SelectRow(0);
}

void TFrmVList::ToBottom() {
  const int rows = pane_->List().Rows().rowCount();
  if (rows > 0) pane_->List().SelectRow(rows - 1);
}

std::optional<int64_t> TFrmVList::FindRow(const FindRequest& request) const {
  return FindSingleRow(*Report(), request);
}

void TFrmVList::SelectFoundRow(int row) { pane_->List().SelectRow(row); }

void TFrmVList::ApplyListFont(int points) { pane_->SetListFont(points); }

}  // namespace kestrin
