// The engine's host during a run started from the main window: status and
// busy images go to the main view, questions and messages to the dialogs.
#ifndef KESTRIN_RUN_VIEW_ENGINE_HOST_H_
#define KESTRIN_RUN_VIEW_ENGINE_HOST_H_

#include "engine/engine_host.h"
#include "run/main_view.h"
#include "run/run_dialogs.h"

namespace kestrin {

class ViewEngineHost : public EngineHost {
 public:
  ViewEngineHost(MainView& view, RunDialogs& dialogs) : view_(view), dialogs_(dialogs) {}

  void SetStatus(const std::string& text) override { view_.SetStatus(text); }
  void ToggleProgress() override { view_.ToggleBusyImages(); }
  void ShowFirstProgress() override { view_.ShowFirstBusyImage(); }
  void HideProgress() override { view_.HideBusyImages(); }
  void ShowRunProgress(const RunProgress& progress) override { view_.ShowRunProgress(progress); }
  void ProcessEvents() override { view_.ProcessEvents(); }
  bool AskYesNo(const std::string& question) override { return dialogs_.AskYesNo(question); }
  void ShowMessage(const std::string& text) override { dialogs_.ShowMessage(text); }

 private:
  MainView& view_;
  RunDialogs& dialogs_;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_VIEW_ENGINE_HOST_H_
