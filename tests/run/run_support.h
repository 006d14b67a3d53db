// Test doubles for run control: a main view and dialogs that record what the
// controller shows in one event log and answer questions from a script, and
// a scratch directory tree on the real file system.
#ifndef KESTRIN_TESTS_RUN_RUN_SUPPORT_H_
#define KESTRIN_TESTS_RUN_RUN_SUPPORT_H_

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "run/like_name_dialog.h"
#include "run/main_view.h"
#include "run/run_controller.h"
#include "run/run_dialogs.h"
#include "run/two_list_dialog.h"

namespace kestrin::run_support {

// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes.
class RunScratch {
 public:
  RunScratch();
  ~RunScratch();
  RunScratch(const RunScratch&) = delete;
  RunScratch& operator=(const RunScratch&) = delete;

  const std::string& path() const { return path_; }
  // The full path of `relative` inside the scratch directory.
  std::string PathOf(const std::string& relative) const;
  // Makes directory `relative` (and its parents); returns its full path.
  std::string MakeDirectory(const std::string& relative) const;
  // Writes file `relative` with `bytes` and a fixed modified time; returns
  // its full path.
  std::string Write(const std::string& relative, std::string_view bytes) const;
  void Remove(const std::string& relative) const;

 private:
  std::string path_;
};

// Every event of a test, in order: "status:<text>", "enable:<control>=<0|1>",
// "focus:<target>", "toggle", "first", "hide", "events", "history:<new|old>:
// <text>", "remember", "type:<index>", "dp:<choice>", "ask:<question>",
// "message:<text>", "like-name-dialog", "two-list-dialog", "hide-dialog",
// "lookup:<new>|<old>", "viewer".
class RunLog {
 public:
  void Add(std::string event) { events.push_back(std::move(event)); }
  // The events that begin with `kind` ("message:"), without it.
  std::vector<std::string> Only(std::string_view kind) const;
  // True iff some event equals `event`.
  bool Has(std::string_view event) const;

  std::vector<std::string> events;
};

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
  void ShowRunProgress(const RunProgress& shown) override { progress.push_back(shown); }
  void ProcessEvents() override;

  std::string new_name;
  std::string old_name;
  std::vector<std::string> new_history;
  std::vector<std::string> old_history;
  std::string remembered_new;
  std::string remembered_old;
  std::string compare_type = kCompareTypeTexts[0];
  bool bypass = false;
  bool subdirectories = false;
  ControlValues controls;
  std::map<MainControl, bool> enabled;
  std::vector<RunProgress> progress;  // every progress shown, in order
  // Called at every ProcessEvents with its number (counting from 1).
  std::function<void(int)> on_events;

 private:
  RunLog& log_;
  int events_ = 0;
};

class FakeRunDialogs : public RunDialogs {
 public:
  explicit FakeRunDialogs(RunLog& log) : log_(log) {}

  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override { log_.Add("hide-dialog"); }
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;
  void ShowReportViewer(const ReportLines& report) override;

  std::deque<bool> answers;  // the next question's answer; No when empty
  // What the user does while a dialog is shown; the dialog closes after.
  // Each opening takes the next script; an opening without one only closes.
  std::deque<std::function<void(LikeNameDialog&)>> like_name_scripts;
  std::deque<std::function<void(TwoListDialog&)>> two_list_scripts;
  // What the directory lookup does before it closes.
  std::function<void()> on_lookup;
  std::vector<std::string> viewed;  // Primary lines of the report last shown

 private:
  RunLog& log_;
};

// Keeps the status texts and messages a run shows; answers every question
// with `answer` (and keeps it among the messages).
class KeepingHost : public EngineHost {
 public:
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void ToggleProgress() override {}
  void ShowFirstProgress() override {}
  void HideProgress() override {}
  void ProcessEvents() override {}
  bool AskYesNo(const std::string& question) override {
    messages.push_back(question);
    return answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  bool answer = false;
};

// A fault of one input file: its open fails with `open_error`, finding its
// length fails, or its reads end at byte `reads_end_at` (as if it shrank
// there) or fail there with EIO.
struct FileFault {
  int open_error = 0;
  bool length_fails = false;
  int64_t reads_end_at = -1;
  bool read_error = false;
};

// The real file system, recording every path opened for reading, with the
// faults of `faults` for their paths; the path `vanishing` stops existing
// after it has been found `checks` times (a file or directory removed while
// it is being checked).
class WatchedFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
  bool IsFile(const std::string& path) override { return real_.IsFile(path) && Exists(path); }
  bool IsDirectory(const std::string& path) override {
    return real_.IsDirectory(path) && Exists(path);
  }
  std::vector<std::string> ListFiles(const std::string& directory) override {
    return real_.ListFiles(directory);
  }
  std::vector<UnusableEntry> ListUnusable(const std::string& directory) override {
    return real_.ListUnusable(directory);
  }
  DirectoryEntries ReadDirectory(const std::string& directory) override {
    return real_.ReadDirectory(directory);
  }
  std::string ExecutableDirectory() override { return real_.ExecutableDirectory(); }
  int LastError() override { return last_error != 0 ? last_error : real_.LastError(); }

  std::map<std::string, FileFault> faults;
  int last_error = 0;  // the error number of the last fault played
  std::vector<std::string> opened;
  std::string vanishing;
  int checks = 0;

 private:
  bool Exists(const std::string& path) { return path != vanishing || checks-- > 0; }

  FileSystem& real_ = DefaultFileSystem();
};

// A controller on a fake main window and dialogs over the real file system.
struct RunHarness {
  explicit RunHarness(FileSystem& fs = DefaultFileSystem());
  // Sets the two name fields and the compare type (0-3).
  void Names(const std::string& new_name, const std::string& old_name, int compare_type);
  // Makes the directory lookup return the scratch directories `new_relative`
  // and `old_relative` into the name fields.
  void LookupReturns(const std::string& new_relative, const std::string& old_relative);

  RunScratch scratch;
  RunLog log;
  FakeMainView view{log};
  FakeRunDialogs dialogs{log};
  RunController controller;
};

// A name that is found by Start and gone when the next step checks it, and
// what that step then says.
struct VanishingSideCase {
  bool new_side_vanishes;
  const char* message;
  const char* focus;
};

// Presses Start on `harness` (made on `fs`) with the name of one side
// vanishing after Start's own check.
void StartWithOneSideVanishing(RunHarness& harness, WatchedFileSystem& fs, bool new_side);

// `count` lines "line <n>" each ended by CR LF.
std::string RunLines(int count);

// `names` joined by ",": "a.txt,sub/b.txt".
std::string Joined(const std::vector<std::string>& names);

// Compares the Primary lines of `report`, each ended by a line feed and with
// `scratch` written as "<dir>", with tests/run/golden/<name>.txt;
// KESTRIN_UPDATE_GOLDEN=1 rewrites the golden instead.
void ExpectReportGolden(const ReportLines& report, const std::string& scratch,
                        const std::string& name);

}  // namespace kestrin::run_support

#endif  // KESTRIN_TESTS_RUN_RUN_SUPPORT_H_
