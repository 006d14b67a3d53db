// The recording fakes of the tests, one per interface the logic talks
// through: the engine's host and the run's dialogs. Each writes into an event
// log, so that a test reads what was shown, in order, as plain texts.
#ifndef KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_
#define KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "report/report_lines.h"
#include "run/run_dialogs.h"
#include "tests/common/line_lists.h"

namespace kestrin::testkit {

// Every event of a test, in order, one text each.
class EventLog {
 public:
  void Add(std::string event) { events.push_back(std::move(event)); }
  // The events that begin with `kind` ("message:"), without it.
  std::vector<std::string> Only(std::string_view kind) const {
    std::vector<std::string> found;
    for (const std::string& event : events) {
      if (event.starts_with(kind)) found.push_back(event.substr(kind.size()));
    }
    return found;
  }
  bool Has(std::string_view event) const { return Count(event) > 0; }
  int Count(std::string_view event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
  }

  std::vector<std::string> events;
};

// What both fakes do alike: log "ask:<question>" and answer from `answers`
// (No when none is left), and log "message:<text>"; into their own log or
// `shared_log`.
template <typename Interface>
class Recording : public Interface {
 public:
  explicit Recording(EventLog* shared_log = nullptr) : log(shared_log ? *shared_log : own_log_) {}

  bool AskYesNo(const std::string& question) override {
    log.Add("ask:" + question);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void ShowMessage(const std::string& text) override { log.Add("message:" + text); }
  std::vector<std::string> Only(std::string_view kind) const { return log.Only(kind); }

  std::deque<bool> answers;
  EventLog& log;

 private:
  EventLog own_log_;
};

// Also logs "status:<text>", "toggle", "first", "hide" and "events".
class RecordingHost : public Recording<EngineHost> {
 public:
  void SetStatus(const std::string& text) override { log.Add("status:" + text); }
  void ToggleProgress() override { log.Add("toggle"); }
  void ShowFirstProgress() override { log.Add("first"); }
  void HideProgress() override { log.Add("hide"); }
  void ProcessEvents() override {
    log.Add("events");
    if (halt != nullptr && ++events_ == halt_at_events) *halt = true;
  }

  // When set, the halt request is raised at the ProcessEvents call with
  // this number (counting from 1).
  bool* halt = nullptr;
  int halt_at_events = 0;

 private:
  int events_ = 0;
};

// Also logs "like-name-dialog", "two-list-dialog", "hide-dialog",
// "lookup:<new>|<old>" and "viewer" (keeping the report's lines), and acts
// out the next script while a pair dialog or the lookup is shown.
class RecordingRunDialogs : public Recording<RunDialogs> {
 public:
  using Recording::Recording;

  void ShowLikeNameDialog(LikeNameDialog& dialog) override {
    log.Add("like-name-dialog");
    RunNextScript(like_name_scripts, dialog);
  }
  void ShowTwoListDialog(TwoListDialog& dialog) override {
    log.Add("two-list-dialog");
    RunNextScript(two_list_scripts, dialog);
  }
  void HidePairDialog() override { log.Add("hide-dialog"); }
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override {
    log.Add("lookup:" + new_directory + "|" + old_directory);
    if (on_lookup) on_lookup();
  }
  void ShowReportViewer(const ReportLines& report) override {
    viewed = LinesOf(report.Primary);
    log.Add("viewer");
  }

  // What the user does while a pair dialog is shown; the dialog closes after.
  // Each opening takes the next script; an opening without one only closes.
  std::deque<std::function<void(LikeNameDialog&)>> like_name_scripts;
  std::deque<std::function<void(TwoListDialog&)>> two_list_scripts;
  // What the directory lookup does before it closes.
  std::function<void()> on_lookup;
  std::vector<std::string> viewed;  // Primary lines of the report last shown

 private:
  // Runs and drops the first of `scripts`, if any.
  template <typename Dialog>
  static void RunNextScript(std::deque<std::function<void(Dialog&)>>& scripts, Dialog& dialog) {
    if (scripts.empty()) return;
    const auto script = std::move(scripts.front());
    scripts.pop_front();
    script(dialog);
  }
};

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_RECORDING_FAKES_H_
