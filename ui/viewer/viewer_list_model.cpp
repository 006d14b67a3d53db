// The rows of a viewer list, computed when the list paints them.
#include "ui/viewer/viewer_list_model.h"

#include <QBrush>
#include <algorithm>
#include <cassert>
#include <climits>
#include <string>

#include "ui/common/display_text.h"
#include "ui/viewer/viewer_colours.h"

namespace kestrin {
namespace {

// The widest row text of `list`: its longest line behind the widest prefix,
// the row number of the last row and two blanks.
int WidestRowOf(const StoredLines& list) {
  const size_t longest_line = list.LongestLine();
  const size_t number_width = std::max<size_t>(4, std::to_string(list.size()).size());
  return static_cast<int>(std::min<size_t>(INT_MAX, number_width + 2 + longest_line));
}

}  // namespace

ViewerListModel::ViewerListModel(QObject* parent) : QAbstractListModel(parent) {}

void ViewerListModel::ShowRows(const ReportLines& report, RowSide side) {
  const StoredLines& list =
      side == RowSide::kDeletes ? report.Secondary : report.Primary;
  assert(list.size() <= static_cast<size_t>(INT_MAX));
  beginResetModel();
  report_ = &report;
  side_ = side;
  row_count_ = static_cast<int>(std::min<size_t>(list.size(), INT_MAX));
  widest_row_ = WidestRowOf(list);
  endResetModel();
}

int ViewerListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : row_count_;
}

QVariant ViewerListModel::data(const QModelIndex& index, int role) const {
  if (report_ == nullptr || !index.isValid()) return {};
  if (role == Qt::DisplayRole) return DisplayText(RowText(*report_, side_, index.row()));
  if (role == Qt::ForegroundRole) {
    return QBrush(ViewerColour(RowColour(*report_, side_, index.row())));
  }
  return {};
}

Qt::ItemFlags ViewerListModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace kestrin
