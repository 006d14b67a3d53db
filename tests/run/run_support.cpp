// Test doubles for run control.
#include "tests/run/run_support.h"

#include "report/report_lines.h"

namespace kestrin::run_support {
namespace {

const char* ControlName(MainControl control) {
  static const char* const kNames[] = {"Start", "Halt", "ReShow", "Exit", "Bypass"};
  return kNames[static_cast<int>(control)];
}

const char* FocusName(MainFocus target) {
  static const char* const kNames[] = {"new", "old", "exit", "status"};
  return kNames[static_cast<int>(target)];
}

}  // namespace

std::string FakeMainView::NameText(NameField field) const {
  return field == NameField::kNew ? new_name : old_name;
}

std::vector<std::string> FakeMainView::NameHistory(NameField field) const {
  return field == NameField::kNew ? new_history : old_history;
}

void FakeMainView::InsertNameHistoryTop(NameField field, const std::string& text) {
  const bool is_new = field == NameField::kNew;
  std::vector<std::string>& history = is_new ? new_history : old_history;
  history.insert(history.begin(), text);
  log_.Add(std::string("history:") + (is_new ? "new:" : "old:") + text);
}

void FakeMainView::RememberNameTexts() { log_.Add("remember"); }

void FakeMainView::SetCompareTypeIndex(int index) {
  compare_type = kCompareTypeTexts[index];
  log_.Add("type:" + std::to_string(index));
}

void FakeMainView::SetDpChoice(int dp_choice) {
  controls.dp_choice = dp_choice;
  log_.Add("dp:" + std::to_string(dp_choice));
}

void FakeMainView::SetEnabled(MainControl control, bool is_enabled) {
  enabled[control] = is_enabled;
  log_.Add(std::string("enable:") + ControlName(control) + "=" + (is_enabled ? "1" : "0"));
}

void FakeMainView::SetStatus(const std::string& text) { log_.Add("status:" + text); }

void FakeMainView::SetFocus(MainFocus target) {
  log_.Add(std::string("focus:") + FocusName(target));
}

void FakeMainView::ProcessEvents() {
  log_.Add("events");
  ++events_;
  if (on_events) on_events(events_);
}

RunHarness::RunHarness(FileSystem& fs) : controller(view, dialogs, fs) {}

void RunHarness::Names(const std::string& new_name, const std::string& old_name, int compare_type) {
  view.new_name = new_name;
  view.old_name = old_name;
  view.compare_type = kCompareTypeTexts[compare_type];
}

void RunHarness::LookupReturns(const std::string& new_relative, const std::string& old_relative) {
  dialogs.on_lookup = [this, new_relative, old_relative] {
    view.new_name = scratch.PathOf(new_relative);
    view.old_name = scratch.PathOf(old_relative);
  };
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
  return text;
}

void ExpectReportGolden(const ReportLines& report, const std::string& scratch,
                        const std::string& name) {
  std::string text;
  for (std::string line : report.Primary) {
    for (size_t at = line.find(scratch); at != std::string::npos; at = line.find(scratch)) {
      line.replace(at, scratch.size(), "<dir>");
    }
    text += line + "\n";
  }
  testkit::ExpectGoldenText("tests/run/golden/" + name + ".txt", text);
}

std::string RunLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace kestrin::run_support
