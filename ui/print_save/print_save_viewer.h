// Print and save for one viewer window: its print dialog and printer, its
// hidden rich-text buffer, its save dialog, message boxes, busy cursor and
// bottom band. The viewer's Print, Color and SaveAs buttons call it.
#ifndef KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_VIEWER_H_
#define KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_VIEWER_H_

#include <QAbstractButton>
#include <QWidget>

#include "ui/print_save/print_qt_printer.h"
#include "ui/print_save/rtf_qt_buffer.h"
#include "ui/print_save/save_qt_dialog.h"
#include "ui/viewer/viewer_messages.h"
#include "views/print_page.h"
#include "views/print_save_ports.h"

namespace kestrin {

class ViewerOutputs : public ViewerFeedback {
 public:
  // `viewer` owns the dialogs and messages, `rtf_band` is the bottom band shown
  // while coloured RTF is built, `return_button` takes the focus after a
  // print or save, `sbs_dialog` is the side-by-side save preference window.
  // All must outlive this object.
  ViewerOutputs(PrintPanel panel, QWidget& viewer, QWidget& rtf_band,
                QAbstractButton& return_button, SbsPreferenceDialog& sbs_dialog);

  // " &Print...", "&Color..." and "&SaveAs..." of the viewer.
  void Print(const ViewerOutputState& state);
  void PrintInColour(const ViewerOutputState& state);
  void SaveAs(const ViewerOutputState& state, SaveChoices choices);

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void SetBusy(bool busy) override;
  void FocusReturnButton() override;

 private:
  const PrintPanel panel_;
  QWidget& viewer_;
  QWidget& rtf_band_;
  QAbstractButton& return_button_;
  MessageBoxViewerMessages messages_;
  PrintDialogChooser printer_;
  DocumentRichTextBuffer colour_buffer_;
  FileSaveDialog save_dialog_;
  ViewerOutputPorts ports_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_PRINT_SAVE_VIEWER_H_
