// The recording fakes of the tests, one per interface the logic talks
// through: the engine's host and the run's dialogs. Both write into one
// event log, so that a test reads what was shown, in order, as plain texts.
#ifndef KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_
#define KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "run/run_dialogs.h"

namespace kestrin::testkit {

// Every event of a test, in order, one text each.
class EventLog {
 public:
  void Add(std::string event) { events.push_back(std::move(event)); }
  // The events that begin with `kind` ("message:"), without it.
  std::vector<std::string> Only(std::string_view kind) const;
  // True iff some event equals `event`.
  bool Has(std::string_view event) const;
  // How many events equal `event`.
  int Count(std::string_view event) const;

  std::vector<std::string> events;
};

// Logs "status:<text>", "toggle", "first", "hide", "events", "ask:<question>"
// and "message:<text>"; answers questions from `answers`.
class RecordingHost : public EngineHost {
 public:
  explicit RecordingHost(EventLog* shared_log = nullptr) : log(shared_log ? *shared_log : own_log_) {}

  void SetStatus(const std::string& text) override { log.Add("status:" + text); }
  void ToggleProgress() override { log.Add("toggle"); }
  void ShowFirstProgress() override { log.Add("first"); }
  void HideProgress() override { log.Add("hide"); }
  void ProcessEvents() override;
  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override { log.Add("message:" + text); }

  std::vector<std::string> Only(std::string_view kind) const { return log.Only(kind); }

  std::deque<bool> answers;
  // When set, the halt request is raised at the ProcessEvents call with
  // this number (counting from 1).
  bool* halt = nullptr;
  int halt_at_events = 0;

 private:
  EventLog own_log_;

 public:
  EventLog& log;

 private:
  int events_ = 0;
};

// Logs "ask:<question>", "message:<text>", "like-name-dialog",
// "two-list-dialog", "hide-dialog", "lookup:<new>|<old>" and "viewer"
// (keeping the report's lines); answers questions from `answers`, and acts
// out the next script while a pair dialog or the lookup is shown.
class RecordingRunDialogs : public RunDialogs {
 public:
  explicit RecordingRunDialogs(EventLog* shared_log = nullptr)
      : log(shared_log ? *shared_log : own_log_) {}

  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override { log.Add("message:" + text); }
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override { log.Add("hide-dialog"); }
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;
  void ShowReportViewer(const ReportLines& report) override;

  std::deque<bool> answers;
  // What the user does while a pair dialog is shown; the dialog closes after.
  // Each opening takes the next script; an opening without one only closes.
  std::deque<std::function<void(LikeNameDialog&)>> like_name_scripts;
  std::deque<std::function<void(TwoListDialog&)>> two_list_scripts;
  // What the directory lookup does before it closes.
  std::function<void()> on_lookup;
  std::vector<std::string> viewed;  // Primary lines of the report last shown

  std::vector<std::string> Only(std::string_view kind) const { return log.Only(kind); }

 private:
  EventLog own_log_;

 public:
  EventLog& log;
};

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_
