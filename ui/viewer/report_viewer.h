// Showing the report: the two viewer windows and the legend, created once at
// program start, and ShowReportViewer, which fills the proper viewer from the
// current report, shows it modally and stores its layout afterwards.
#ifndef KESTRIN_UI_VIEWER_REPORT_VIEWER_H_
#define KESTRIN_UI_VIEWER_REPORT_VIEWER_H_

#include <QPointer>
#include <functional>
#include <string>

#include "report/report_lines.h"
#include "settings/viewer_layout.h"
#include "ui/viewer/legend_window.h"
#include "ui/viewer/viewer_list_window.h"
#include "ui/viewer/viewer_messages.h"
#include "ui/viewer/viewer_split_window.h"

class QDialog;
class QWidget;

namespace kestrin {

// What a viewer opening reads from the main window, and where the keyboard
// focus goes when the viewer has closed.
class ViewerMainWindow {
 public:
  virtual ~ViewerMainWindow() = default;
  // The texts of the new-directory and old-directory name boxes.
  virtual std::string NewDirectoryText() const = 0;
  virtual std::string OldDirectoryText() const = 0;
  // The state of the Sbsl preference check box.
  virtual bool SbslChecked() const = 0;
  virtual void FocusExitButton() = 0;
};

class ReportViewers {
 public:
  // Shows a viewer modally and returns when it has closed.
  using ModalShow = std::function<void(QDialog& viewer)>;

  // Creates the legend, the dual-panel and the single-panel viewer, in that
  // order, with their layout restored from `layout`. `parent` is the main
  // window; `layout`, `main_window` and `messages` must outlive this object.
  ReportViewers(ViewerLayout& layout, ViewerMainWindow& main_window, ViewerMessages& messages,
                QWidget* parent = nullptr);
  ~ReportViewers();
  ReportViewers(const ReportViewers&) = delete;
  ReportViewers& operator=(const ReportViewers&) = delete;

  // Shows `report` in the single-panel viewer, or in the dual-panel viewer
  // for a side-by-side report while the Sbsl box is checked; then closes the
  // legend, stores the viewer's layout and focuses the main window's Exit.
  // The viewer keeps reading `report` until it is opened again.
  void ShowReportViewer(const ReportLines& report);

  // Replaces the modal show (QDialog::exec), for tests.
  void SetModalShow(ModalShow modal_show) { modal_show_ = std::move(modal_show); }

  TFrmVList& SingleViewer() { return *single_; }
  TFrmVSplit& DualViewer() { return *dual_; }
  TFrmChgFlag& Legend() { return *legend_; }

 private:
  ViewerLayout& layout_;
  ViewerMainWindow& main_window_;
  ModalShow modal_show_;
  // The legend becomes a child of the viewer that shows it, and the viewers
  // are children of the main window: each may be deleted before this object.
  QPointer<TFrmChgFlag> legend_;
  QPointer<TFrmVSplit> dual_;
  QPointer<TFrmVList> single_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_REPORT_VIEWER_H_
