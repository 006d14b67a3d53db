// Test doubles for run control: a main view that records what the controller
// shows into the dialogs' event log, and a file system that watches reads.
#ifndef KESTRIN_TESTS_RUN_RUN_SUPPORT_H_
#define KESTRIN_TESTS_RUN_RUN_SUPPORT_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_host.h"
#include "run/like_name_dialog.h"
#include "run/main_view.h"
#include "run/run_controller.h"
#include "run/run_dialogs.h"
#include "run/two_list_dialog.h"
#include "tests/common/case_table.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::run_support {

// Files of the run tests carry this time (2001-09-09 01:46:40 UTC), which
// the run goldens show.
inline constexpr int64_t kRunFileTime = 1000000000;

using testkit::ScratchDirectory;
using RunLog = testkit::EventLog;
using FakeRunDialogs = testkit::RecordingRunDialogs;

// The main view logs into the same event log as the dialogs:
// "status:<text>", "enable:<control>=<0|1>", "focus:<target>", "toggle",
// "first", "hide", "events", "history:<new|old>:<text>", "remember",
// "type:<index>", "dp:<choice>" and "progress:<pairs done>/<pair count>
// <bytes read>/<pair bytes>".
class FakeMainView : public MainView {
 public:
  explicit FakeMainView(RunLog& log) : log_(log) {}

  std::string NameText(NameField field) const override;
  std::vector<std::string> NameHistory(NameField field) const override;
  void InsertNameHistoryTop(NameField field, const std::string& text) override;
  void RememberNameTexts() override;
  std::string CompareTypeText() const override { return compare_type; }
  void SetCompareTypeIndex(int index) override;
  bool BypassChecked() const override { return bypass; }
  bool SubdirectoriesIncluded() const override { return subdirectories; }
  ControlValues Controls() const override { return controls; }
  void SetDpChoice(int dp_choice) override;
  void SetEnabled(MainControl control, bool enabled) override;
  void SetStatus(const std::string& text) override;
  void SetFocus(MainFocus target) override;
  void ToggleBusyImages() override { log_.Add("toggle"); }
  void ShowFirstBusyImage() override { log_.Add("first"); }
  void HideBusyImages() override { log_.Add("hide"); }
  void ShowRunProgress(const RunProgress& shown) override;
  void ProcessEvents() override;

  std::string new_name;
  std::string old_name;
  std::vector<std::string> new_history;
  std::vector<std::string> old_history;
  std::string compare_type = kCompareTypeTexts[0];
  bool bypass = false;
  bool subdirectories = false;
  ControlValues controls;
  // Called at every ProcessEvents with its number (counting from 1).
  std::function<void(int)> on_events;

 private:
  RunLog& log_;
  int events_ = 0;
};

// A controller on a fake main window and dialogs over the real file system.
struct RunHarness {
  explicit RunHarness(FileSystem& fs = DefaultFileSystem());
  // Sets the two name fields and the compare type (0-3).
  void Names(const std::string& new_name, const std::string& old_name, int compare_type);

  ScratchDirectory scratch{kRunFileTime};
  RunLog log;
  FakeMainView view{log};
  FakeRunDialogs dialogs{&log};
  RunController controller;
};

// `line` with every `scratch` in it written as "<dir>".
std::string Placed(std::string line, const std::string& scratch);

// Acts out a pair dialog's case of a table -- the like-names (compare type 3)
// or files (type 4) of the directories | the steps, ';' between them | the
// saved selection (may be left off) -- and gives what happened, one line
// each. "n" is a file on both sides, "n=o" one spelled n on the new side and
// o on the old (either may be empty); "2:" before it puts it into the
// directories the lookup returns. The dialog is opened by Start; after each
// step comes "<step> -> <what `act` describes>". "remove <file>" removes a
// file first; a "lookup" step ends one opening, and the steps after it act on
// the next. Then come the events of `kinds` ("message:status:", or "*" for
// all), and for "*" the pairs run and the saved selections.
template <typename Dialog>
std::vector<std::string> DialogTranscript(
    const testkit::TableCase& c, int compare_type, const std::string& kinds,
    std::function<std::string(Dialog&, const std::string&)> act);

// `names` joined by `between`: "a.txt,sub/b.txt".
std::string Joined(const std::vector<std::string>& names, const char* between = ",");

// The events of the harness's log of `kinds` (as DialogTranscript), and
// for "*" the pairs run and the saved selections.
std::vector<std::string> RunTranscript(const RunHarness& harness, const std::string& kinds);

}  // namespace kestrin::run_support

#endif  // KESTRIN_TESTS_RUN_RUN_SUPPORT_H_
