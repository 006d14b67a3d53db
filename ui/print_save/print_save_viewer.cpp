#include "ui/print_save/print_save_viewer.h"

#include <QApplication>
#include <QMessageBox>

#include "views/print_operations.h"
#include "views/save_operations.h"

namespace kestrin {

ViewerOutputs::ViewerOutputs(PrintPanel panel, QWidget& viewer, QWidget& rtf_band,
                             QAbstractButton& return_button, SbsPreferenceDialog& sbs_dialog)
    : panel_(panel),
      viewer_(viewer),
      rtf_band_(rtf_band),
      return_button_(return_button),
      printer_(&viewer),
      colour_buffer_(printer_.printer()),
      save_dialog_(&viewer),
      ports_{printer_, colour_buffer_, save_dialog_, sbs_dialog, *this, DefaultFileSystem()} {}

void ViewerOutputs::Print(const ViewerOutputState& state) { PrintListing(panel_, state, ports_); }

void ViewerOutputs::PrintInColour(const ViewerOutputState& state) {
  kestrin::PrintInColour(panel_, state, ports_);
}

void ViewerOutputs::SaveAs(const ViewerOutputState& state, SaveChoices choices) {
  SaveReport(panel_, state, choices, ports_);
}

void ViewerOutputs::ShowMessage(const std::string& text) {
  messages_.ShowMessage(&viewer_, QString::fromStdString(text));
}

bool ViewerOutputs::AskYesNo(const std::string& question) {
  return QMessageBox::question(&viewer_, QApplication::applicationDisplayName(),
                               QString::fromStdString(question),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ViewerOutputs::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rtf_band_.show();
    // Once, so that the cursor and the band appear before the work starts.
    QApplication::processEvents();
  } else {
    rtf_band_.hide();
    QApplication::restoreOverrideCursor();
  }
}

void ViewerOutputs::FocusReturnButton() { return_button_.setFocus(); }

}  // namespace kestrin
