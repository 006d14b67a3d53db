// The recording fakes of the tests.
#include "tests/common/recording_fakes.h"

#include <algorithm>

#include "report/report_lines.h"
#include "tests/common/line_lists.h"

namespace kestrin::testkit {
namespace {

// The next answer of `answers`, taken off it; No when it is empty.
bool NextAnswer(std::deque<bool>& answers) {
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

}  // namespace

std::vector<std::string> EventLog::Only(std::string_view kind) const {
  std::vector<std::string> found;
  for (const std::string& event : events) {
    if (event.starts_with(kind)) found.push_back(event.substr(kind.size()));
  }
  return found;
}

bool EventLog::Has(std::string_view event) const { return Count(event) > 0; }

int EventLog::Count(std::string_view event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

void RecordingHost::ProcessEvents() {
  log.Add("events");
  if (halt != nullptr && ++events_ == halt_at_events) *halt = true;
}

bool RecordingHost::AskYesNo(const std::string& question) {
  log.Add("ask:" + question);
  return NextAnswer(answers);
}

bool RecordingRunDialogs::AskYesNo(const std::string& question) {
  log.Add("ask:" + question);
  return NextAnswer(answers);
}

namespace {

// Runs and drops the first script of `scripts`, if any.
template <typename Dialog>
void RunNextScript(std::deque<std::function<void(Dialog&)>>& scripts, Dialog& dialog) {
  if (scripts.empty()) return;
  const auto script = std::move(scripts.front());
  scripts.pop_front();
  script(dialog);
}

}  // namespace

void RecordingRunDialogs::ShowLikeNameDialog(LikeNameDialog& dialog) {
  log.Add("like-name-dialog");
  RunNextScript(like_name_scripts, dialog);
}

void RecordingRunDialogs::ShowTwoListDialog(TwoListDialog& dialog) {
  log.Add("two-list-dialog");
  RunNextScript(two_list_scripts, dialog);
}

void RecordingRunDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                              const std::string& old_directory) {
  log.Add("lookup:" + new_directory + "|" + old_directory);
  if (on_lookup) on_lookup();
}

void RecordingRunDialogs::ShowReportViewer(const ReportLines& report) {
  viewed = LinesOf(report.Primary);
  log.Add("viewer");
}

}  // namespace kestrin::testkit
