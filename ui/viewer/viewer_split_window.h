// The dual-panel viewer (TFrmVSplit): the new-source and inserts side of a
// side-by-side report on the left, the old-source and deletes side on the
// right, in a splitter; the right list's top row follows the left list's.
#ifndef KESTRIN_UI_VIEWER_VIEWER_SPLIT_WINDOW_H_
#define KESTRIN_UI_VIEWER_VIEWER_SPLIT_WINDOW_H_

#include "ui/viewer/viewer_list_pane.h"
#include "ui/viewer/viewer_window.h"
#include "views/viewer_split_share.h"

class QSplitter;

namespace kestrin {

class TFrmVSplit : public ViewerWindow {
  Q_OBJECT

 public:
  // Creates the viewer with its layout restored from `layout`.
  TFrmVSplit(const ViewerLayout& layout, ViewerMessages& messages, TFrmChgFlag& legend,
             QWidget* parent = nullptr);

  void Open(const ViewerOpening& opening) override;
  void StoreLayout(ViewerLayout& layout) const override;
  void ToTop() override;
  void ToBottom() override;

  ViewerListPane& LeftPane() { return *left_; }
  ViewerListPane& RightPane() { return *right_; }
  QSplitter& Splitter() { return *splitter_; }
  // The width of the left list as last laid out (half the room unless
  // restored or dragged).
  int LeftListWidth() const;

 protected:
  ViewerListView& LeadList() override { return left_->List(); }
  std::optional<int64_t> FindRow(const FindRequest& request) const override;
  void SelectFoundRow(int row) override;
  void ApplyListFont(int points) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // Keeps the left list's share of the width as the window changes size.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RestoreLayout(const ViewerLayout& layout);
  // Sets the right list's top row to the left list's, or to its own last row
  // when it has no row there.
  void FollowLeftTopRow();
  // The splitter's width without its handle: what the two lists share.
  int SplitterRoom() const;
  void ApplyLeftListShare();

  ViewerListPane* left_;
  ViewerListPane* right_;
  QSplitter* splitter_;
  int left_list_width_;
  ViewerSplitShare share_;
  bool sized_ = false;  // shown and settled at its size
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_SPLIT_WINDOW_H_
