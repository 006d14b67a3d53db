// The questions, messages and modal windows of a run, shown over the main
// window: Yes/No questions and messages as modal message boxes titled with
// the application's title, and the report viewer after a run.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_DIALOGS_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_DIALOGS_H_

#include "run/run_dialogs.h"

class QWidget;

namespace kestrin {

class DirBrowserWindows;
class ReportViewers;

class MainWindowDialogs : public RunDialogs {
 public:
  // The boxes are modal over `owner`, which must outlive this object; it may
  // be set after construction, and is null until then.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // The pair dialogs and the lookup dialog; until they are set, asking for
  // one shows a message instead. `windows` must outlive this object.
  void SetBrowserWindows(DirBrowserWindows* windows) { windows_ = windows; }
  // The report viewers; until they are set, a run ends with the status line
  // only. `viewers` must outlive this object.
  void SetReportViewers(ReportViewers* viewers) { viewers_ = viewers; }

  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override;
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;
  void ShowReportViewer(const ReportLines& report) override;

 private:
  QWidget* owner_ = nullptr;
  DirBrowserWindows* windows_ = nullptr;
  ReportViewers* viewers_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_DIALOGS_H_
