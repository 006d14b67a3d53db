// Test doubles for run control.
#include "tests/run/run_support.h"

#include <sstream>

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

void WriteDialogFiles(RunHarness& harness, const std::string& names) {
  std::istringstream words(names);
  for (std::string name; words >> name;) {
    const std::string place = name.starts_with("2:") ? "2/" : "/";
    if (name.starts_with("2:")) name.erase(0, 2);
    const size_t equals = name.find('=');
    const std::string old_name = equals == std::string::npos ? name : name.substr(equals + 1);
    name = name.substr(0, equals);
    if (!name.empty()) harness.scratch.Write("new" + place + name, "text\r\n");
    if (!old_name.empty()) harness.scratch.Write("old" + place + old_name, "text\r\n");
  }
  harness.scratch.MakeDirectory("new");
  harness.scratch.MakeDirectory("old");
}

std::vector<std::string> StepGroups(const std::string& steps) {
  std::vector<std::string> groups = {""};
  std::istringstream list(steps);
  for (std::string step; std::getline(list >> std::ws, step, ';');) {
    groups.back() += step + ";";
    if (step == "lookup") groups.emplace_back();
  }
  return groups;
}

void PushScript(RunHarness& harness, std::function<void(LikeNameDialog&)> script) {
  harness.dialogs.like_name_scripts.push_back(std::move(script));
}

void PushScript(RunHarness& harness, std::function<void(TwoListDialog&)> script) {
  harness.dialogs.two_list_scripts.push_back(std::move(script));
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
  log_.Add(std::string("enable:") + ControlName(control) + "=" + (is_enabled ? "1" : "0"));
}

void FakeMainView::SetStatus(const std::string& text) { log_.Add("status:" + text); }

void FakeMainView::SetFocus(MainFocus target) {
  log_.Add(std::string("focus:") + FocusName(target));
}

void FakeMainView::ShowRunProgress(const RunProgress& p) {
  log_.Add("progress:" + std::to_string(p.pairs_done) + "/" + std::to_string(p.pair_count) + " " +
           std::to_string(p.bytes_read) + "/" + std::to_string(p.pair_bytes));
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

std::string Joined(const std::vector<std::string>& names, const char* between) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : between) + name;
  return text;
}

std::string Placed(std::string line, const std::string& scratch) {
  for (size_t at = line.find(scratch); at != std::string::npos; at = line.find(scratch)) {
    line.replace(at, scratch.size(), "<dir>");
  }
  return line;
}

std::vector<std::string> RunTranscript(const RunHarness& harness, const std::string& kinds) {
  const std::string& scratch = harness.scratch.path();
  std::vector<std::string> lines;
  for (const std::string& event : harness.log.events) {
    const std::string kind = event.substr(0, event.find(':') + 1);
    if (kinds == "*" || (!kind.empty() && kinds.find(kind) != std::string::npos)) {
      lines.push_back(Placed(event, scratch));
    }
  }
  if (kinds != "*") return lines;
  const PairList& pairs = harness.controller.Pairs();
  std::string run = "pairs from " + Placed(pairs.new_directory, scratch) + ":";
  for (size_t i = 0; i < pairs.new_names.size(); ++i) {
    run += " " + pairs.new_names[i] + "=" + pairs.old_names[i];
  }
  lines.push_back(run);
  lines.push_back("saved: " + harness.controller.SavedLikeNameSelection() + " " +
                  harness.controller.SavedPairSelection());
  return lines;
}

template <typename Dialog>
std::vector<std::string> DialogTranscript(
    const testkit::TableCase& c, int compare_type, const std::string& kinds,
    std::function<std::string(Dialog&, const std::string&)> act) {
  testkit::CaseScope scope(c);
  RunHarness harness;
  WriteDialogFiles(harness, c[0]);
  // A file of one side only, which the like-name dialog never lists.
  if (compare_type == 3) harness.scratch.Write("new/only-new", "x");
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), compare_type - 1);
  harness.view.bypass = true;
  harness.dialogs.on_lookup = [&harness] {
    harness.view.new_name = harness.scratch.PathOf("new2");
    harness.view.old_name = harness.scratch.PathOf("old2");
  };
  const std::string saved = c.fields.size() > 2 ? c[2] : "";
  harness.controller.RestoreSavedSelections(compare_type == 3 ? saved : "",
                                            compare_type == 4 ? saved : "");
  std::vector<std::string> transcript = {"names: " + c[0]};
  for (const std::string& group : StepGroups(c[1])) {
    PushScript(
        harness, std::function<void(Dialog&)>([&, group](Dialog& dialog) {
          std::istringstream steps(group);
          for (std::string step; std::getline(steps >> std::ws, step, ';');) {
            if (step.starts_with("remove ")) harness.scratch.Remove(step.substr(7));
            transcript.push_back(Placed(step + " -> " + act(dialog, step), harness.scratch.path()));
          }
        }));
  }
  harness.controller.StartClicked();
  for (std::string& line : RunTranscript(harness, kinds)) transcript.push_back(std::move(line));
  return transcript;
}

template std::vector<std::string> DialogTranscript<LikeNameDialog>(
    const testkit::TableCase&, int, const std::string&,
    std::function<std::string(LikeNameDialog&, const std::string&)>);
template std::vector<std::string> DialogTranscript<TwoListDialog>(
    const testkit::TableCase&, int, const std::string&,
    std::function<std::string(TwoListDialog&, const std::string&)>);

}  // namespace kestrin::run_support
