// The list model of a viewer list: answers the row count, and the text and
// colour of each row on demand from the report, holding no copy of it.
#ifndef KESTRIN_UI_VIEWER_VIEWER_LIST_MODEL_H_
#define KESTRIN_UI_VIEWER_VIEWER_LIST_MODEL_H_

#include <QAbstractListModel>

#include "report/report_lines.h"
#include "report/report_rows.h"

namespace kestrin {

class ViewerListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ViewerListModel(QObject* parent = nullptr);

  // Shows the rows of `report` that `side` names. The model keeps the
  // report's address and its row count; the report must outlive the showing.
  // REQUIRES: the list holds at most INT_MAX lines.
  void ShowRows(const ReportLines& report, RowSide side);

  // The widest displayed row, in characters (an upper bound for rows outside
  // the ASCII range).
  int WidestRow() const { return widest_row_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // The row text (display role) and its colour (foreground role).
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const ReportLines* report_ = nullptr;
  RowSide side_ = RowSide::kSingle;
  int row_count_ = 0;
  int widest_row_ = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_LIST_MODEL_H_
