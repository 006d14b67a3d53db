// One list of a viewer with its optional one-line header above it, in navy
// on the window's face colour, following the list's horizontal scrolling.
#ifndef KESTRIN_UI_VIEWER_VIEWER_LIST_PANE_H_
#define KESTRIN_UI_VIEWER_VIEWER_LIST_PANE_H_

#include <QFont>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "report/report_lines.h"
#include "report/report_rows.h"
#include "ui/viewer/viewer_list_view.h"

namespace kestrin {

// The list font: "Courier New" (or the system's nearest fixed-pitch font)
// at `points`.
QFont ViewerListFont(int points);

// The header above a list: its text starts where the rows' text starts and
// moves with the list's horizontal scrolling.
class ViewerHeaderBar : public QWidget {
  Q_OBJECT

 public:
  ViewerHeaderBar(const ViewerListView& list, QWidget* parent);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ViewerListView& list_;
  QString text_;
};

class ViewerListPane : public QWidget {
  Q_OBJECT

 public:
  explicit ViewerListPane(QWidget* parent = nullptr);

  ViewerListView& List() { return *list_; }
  const ViewerListView& List() const { return *list_; }
  ViewerHeaderBar& Header() { return *header_; }
  const ViewerHeaderBar& Header() const { return *header_; }

  // Shows the rows of `side` under `header` (no header when empty), with row
  // 0 selected and on top.
  void ShowRows(const ReportLines& report, RowSide side, const std::optional<std::string>& header);
  // Sets the font of the header and the rows.
  void SetListFont(int points);

 private:
  void FitRowWidth();

  ViewerListView* list_;
  ViewerHeaderBar* header_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_LIST_PANE_H_
