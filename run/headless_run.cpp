// The run controller on a main view and dialogs that need no screen.
#include "run/headless_run.h"

#include <cassert>

#include "run/like_name_dialog.h"
#include "run/run_controller.h"
#include "run/two_list_dialog.h"

namespace kestrin {
namespace {

// The main window of a headless run: fixed names, type and controls; the
// status line and busy images go to the request's host.
class HeadlessView : public MainView {
 public:
  explicit HeadlessView(const HeadlessRequest& request) : request_(request) {}

  std::string NameText(NameField field) const override {
    return field == NameField::kNew ? request_.new_name : request_.old_name;
  }
  std::vector<std::string> NameHistory(NameField) const override { return {}; }
  void InsertNameHistoryTop(NameField, const std::string&) override {}
  void RememberNameTexts() override {}
  std::string CompareTypeText() const override {
    const int index = request_.compare_type - 1;
    return index >= 0 && index < kCompareTypeCount ? kCompareTypeTexts[index] : "";
  }
  void SetCompareTypeIndex(int) override {}
  bool BypassChecked() const override { return true; }
  bool SubdirectoriesIncluded() const override { return request_.include_subdirectories; }
  ControlValues Controls() const override { return request_.controls; }
  void SetDpChoice(int) override {}
  void SetEnabled(MainControl, bool) override {}
  void SetStatus(const std::string& text) override {
    if (request_.host) request_.host->SetStatus(text);
  }
  void SetFocus(MainFocus) override {}
  void ToggleBusyImages() override {
    if (request_.host) request_.host->ToggleProgress();
  }
  void ShowFirstBusyImage() override {
    if (request_.host) request_.host->ShowFirstProgress();
  }
  void HideBusyImages() override {
    if (request_.host) request_.host->HideProgress();
  }
  void ShowRunProgress(const RunProgress& progress) override {
    if (request_.host) request_.host->ShowRunProgress(progress);
  }
  void ProcessEvents() override {
    if (request_.host) request_.host->ProcessEvents();
  }

 private:
  const HeadlessRequest& request_;
};

// Collects messages, passes those of a running compare on to the host, which
// answers its questions (No without one), and presses Start Compare in a
// pair dialog. Start's own messages and questions speak of the window's
// fields and tabs: they are only collected, and each question is answered No.
class HeadlessDialogs : public RunDialogs {
 public:
  HeadlessDialogs(std::vector<std::string>& messages, EngineHost* host)
      : messages_(messages), host_(host) {}

  // The flags that tell when the compare is running.
  void Watch(const RunFlags& flags) { flags_ = &flags; }

  bool AskYesNo(const std::string& question) override {
    messages_.push_back(question);
    return Forwarded() && host_->AskYesNo(question);
  }
  void ShowMessage(const std::string& text) override {
    messages_.push_back(text);
    if (Forwarded()) host_->ShowMessage(text);
  }
  void ShowLikeNameDialog(LikeNameDialog& dialog) override { dialog.StartCompareClicked(); }
  void ShowTwoListDialog(TwoListDialog& dialog) override { dialog.StartCompareClicked(); }
  void HidePairDialog() override {}
  void ShowDirectoryLookup(const std::string&, const std::string&) override {
    assert(false && "a headless run opens no lookup");
  }
  void ShowReportViewer(const ReportLines&) override {}

 private:
  bool Forwarded() const { return host_ != nullptr && flags_ != nullptr && flags_->RunInProgress; }

  std::vector<std::string>& messages_;
  EngineHost* host_;
  const RunFlags* flags_ = nullptr;
};

}  // namespace

HeadlessOutcome RunHeadless(const HeadlessRequest& request, FileSystem& fs) {
  HeadlessOutcome outcome;
  HeadlessView view(request);
  HeadlessDialogs dialogs(outcome.messages, request.host);
  RunController controller(view, dialogs, fs);
  dialogs.Watch(controller.Flags());
  controller.SetListingMask(request.mask);
  controller.SetReportSink(request.sink, request.accepts_pairs);
  if (request.compare_type == kComparePickedLikeNames) {
    controller.RestoreSavedSelections(request.selection, "");
  }
  if (request.compare_type == kComparePickedPairs) {
    controller.RestoreSavedSelections("", request.selection);
  }
  controller.StartClicked();
  outcome.ran = controller.ReportMade();
  outcome.final_message = controller.FinalMessage();
  outcome.pairs = controller.Pairs();
  outcome.report = controller.Report();
  return outcome;
}

}  // namespace kestrin
