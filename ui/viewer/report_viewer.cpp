// Opening the report viewer.
#include "ui/viewer/report_viewer.h"

#include "views/viewer_opening.h"
#include "views/viewer_run_stamp.h"

namespace kestrin {

ReportViewers::ReportViewers(ViewerLayout& layout, ViewerMainWindow& main_window,
                             ViewerMessages& messages, QWidget* parent)
    : layout_(layout),
      main_window_(main_window),
      modal_show_([](QDialog& viewer) { viewer.exec(); }),
      legend_(new TFrmChgFlag),
      dual_(new TFrmVSplit(layout, messages, *legend_, parent)),
      single_(new TFrmVList(layout, messages, *legend_, parent)) {}

ReportViewers::~ReportViewers() {
  delete legend_.data();
  delete single_.data();
  delete dual_.data();
}

void ReportViewers::ShowReportViewer(const ReportLines& report) {
  ViewerOpening opening;
  opening.report = &report;
  opening.run_stamp = CurrentRunStamp();
  opening.ruler_width = RulerWidth(report.totals);
  opening.new_directory = main_window_.NewDirectoryText();
  opening.old_directory = main_window_.OldDirectoryText();

  ViewerWindow& viewer = UsesDualPanel(report, main_window_.SbslChecked())
                             ? static_cast<ViewerWindow&>(*dual_)
                             : static_cast<ViewerWindow&>(*single_);
  viewer.Open(opening);
  modal_show_(viewer);
  if (legend_) legend_->close();
  viewer.StoreLayout(layout_);
  main_window_.FocusExitButton();
}

}  // namespace kestrin
