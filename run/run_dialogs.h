// The questions, messages and modal windows the run controller and the pair
// selection dialogs open. The windows implement it with message boxes and
// dialogs; tests and the batch program answer it without a screen.
#ifndef KESTRIN_RUN_RUN_DIALOGS_H_
#define KESTRIN_RUN_RUN_DIALOGS_H_

#include <string>

namespace kestrin {

class LikeNameDialog;
class TwoListDialog;
struct ReportLines;

// What a pair dialog does after one of its buttons has acted.
enum class DialogNext { kStayOpen, kClose };

class RunDialogs {
 public:
  virtual ~RunDialogs() = default;

  // Asks a question with Yes and No buttons. Returns true for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // Shows an information message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;

  // Shows the like-name pair dialog modally over the main window and returns
  // when it has closed. The window displays `dialog` and forwards every click
  // to it; a click whose answer is DialogNext::kClose closes the window.
  virtual void ShowLikeNameDialog(LikeNameDialog& dialog) = 0;
  // The same for the two-list pair dialog.
  virtual void ShowTwoListDialog(TwoListDialog& dialog) = 0;
  // Hides the pair dialog that is shown while the run started from it lasts
  // (the dialog is closed when the run returns).
  virtual void HidePairDialog() = 0;

  // Shows the directory lookup dialog modally with "New Dir Name:" and
  // "Old  Dir Name:" prefilled (either may be empty) and the tree opened on
  // `new_directory`. Its Return sets the main window's two name fields.
  virtual void ShowDirectoryLookup(const std::string& new_directory,
                                   const std::string& old_directory) = 0;

  // Builds and shows the report viewer for `report`.
  virtual void ShowReportViewer(const ReportLines& report) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_RUN_DIALOGS_H_
