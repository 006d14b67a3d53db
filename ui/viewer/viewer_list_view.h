// The list of a viewer: a virtual list of uniform rows painted in their row
// colours, whose top row can be read and set.
#ifndef KESTRIN_UI_VIEWER_VIEWER_LIST_VIEW_H_
#define KESTRIN_UI_VIEWER_VIEWER_LIST_VIEW_H_

#include <QListView>

#include "ui/viewer/viewer_list_model.h"

namespace kestrin {

class ViewerListView : public QListView {
  Q_OBJECT

 public:
  explicit ViewerListView(QWidget* parent = nullptr);

  ViewerListModel& Rows() { return model_; }

  // Rows are at least this many characters wide (the horizontal scroll
  // range). Takes effect at the next layout.
  void SetRowCharacters(int characters);
  // Lets the top row go down to the last row, leaving blank space below it,
  // so that the list can follow another list's top row.
  void SetScrollsPastEnd(bool scrolls_past_end);

  int TopRow() const;
  // Makes `row` the top row, as far as the list can scroll.
  void SetTopRow(int row);
  // The selected row, or -1.
  int SelectedRow() const;
  // Selects `row` and brings it into view when the list is shown.
  void SelectRow(int row);
  // Lays the rows out now instead of at the next event loop turn.
  void LayOutRows();

  // The left edge of a row's text inside the row.
  static constexpr int kTextMargin = 3;

 Q_SIGNALS:
  void TopRowChanged(int row);

 protected:
  void updateGeometries() override;

 private:
  ViewerListModel model_;
  int row_characters_ = 0;
  bool scrolls_past_end_ = false;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_LIST_VIEW_H_
