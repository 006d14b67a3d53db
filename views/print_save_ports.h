// What print and save take from a viewer: its state, and the dialogs,
// messages and busy display they work through, each a small interface that
// the windows implement and tests answer without a screen.
#ifndef KESTRIN_VIEWS_PRINT_SAVE_PORTS_H_
#define KESTRIN_VIEWS_PRINT_SAVE_PORTS_H_

#include <optional>
#include <string>

#include "engine/file_system.h"
#include "report/report_lines.h"
#include "views/print_surface.h"
#include "views/rtf_buffer.h"
#include "views/save_as.h"
#include "views/sbs_preference.h"

namespace kestrin {

// The print dialog.
class PrinterChooser {
 public:
  virtual ~PrinterChooser() = default;
  // Shows the print dialog. Returns the chosen printer as a print surface,
  // valid until the next call, or null when the dialog was cancelled. The
  // viewer's rich-text buffer prints on the same printer.
  virtual PrintSurface* ChoosePrinter() = 0;
};

// The save dialog.
class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // Shows the dialog. Returns the chosen full name, or nullopt when cancelled.
  virtual std::optional<std::string> AskSaveName(const SaveDialogRequest& request) = 0;
};

// The viewer's own answers to the user.
class ViewerFeedback {
 public:
  virtual ~ViewerFeedback() = default;
  // An information message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with Yes and No. Returns true for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // With `busy`, shows the busy cursor and the bottom band's message and lets
  // them appear; without, restores both.
  virtual void SetBusy(bool busy) = 0;
  virtual void FocusReturnButton() = 0;
};

// Shows the viewer busy for its lifetime.
class BusyScope {
 public:
  explicit BusyScope(ViewerFeedback& feedback) : feedback_(feedback) { feedback_.SetBusy(true); }
  ~BusyScope() { feedback_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ViewerFeedback& feedback_;
};

// Gives the focus to the viewer's Return button when the operation ends.
class ReturnFocusScope {
 public:
  explicit ReturnFocusScope(ViewerFeedback& feedback) : feedback_(feedback) {}
  ~ReturnFocusScope() { feedback_.FocusReturnButton(); }
  ReturnFocusScope(const ReturnFocusScope&) = delete;
  ReturnFocusScope& operator=(const ReturnFocusScope&) = delete;

 private:
  ViewerFeedback& feedback_;
};

// Every piece print and save work through, for one viewer.
struct ViewerOutputPorts {
  PrinterChooser& printer;
  RichTextBuffer& colour_buffer;  // the viewer's ColourRtfBuild buffer
  SaveDialog& save_dialog;
  SbsPreferenceDialog& sbs_dialog;  // asked by the dual panel only
  ViewerFeedback& feedback;
  FileSystem& files;
};

// What the viewer on display holds.
struct ViewerOutputState {
  const ReportLines& report;
  std::string caption;
  std::string run_stamp;              // of the current opening
  std::optional<std::string> header;  // single panel: the list's header when shown
  std::string print_font_size_text;   // the print font size box
  bool print_no_row_numbers = false;  // "Print No Ref#"
  std::string new_directory_text;     // the main window's new-directory box
};

// The stored values a save reads and, once confirmed, changes.
struct SaveChoices {
  std::string& OutFn;
  bool& SbsRp;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_SAVE_PORTS_H_
