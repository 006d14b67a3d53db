// Test doubles and helpers for the engine spine's tests: a scratch
// directory, a host that records what the engine shows, a report driver that
// records its calls, and a file system that fails on request.
#ifndef KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_
#define KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "engine/file_system.h"
#include "engine/pair_driver.h"
#include "engine/pair_run.h"
#include "engine/report_driver.h"

namespace kestrin::engine_support {

// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& name) const;
  // Writes `bytes` as file `name` and returns its full path.
  std::string Write(const std::string& name, std::string_view bytes) const;

 private:
  std::string path_;
};

// Sets a file's last-modified time (seconds since the epoch).
void SetModifiedTime(const std::string& path, int64_t seconds);

// `count` lines "line 1" ... each ended by CR LF.
std::string NumberedLines(int count);

// Records every call as one text: "status:<text>", "toggle", "first",
// "hide", "events", "ask:<question>", "message:<text>".
class RecordingHost : public EngineHost {
 public:
  void SetStatus(const std::string& text) override;
  void ToggleProgress() override;
  void ShowFirstProgress() override;
  void HideProgress() override;
  void ProcessEvents() override;
  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override;

  // Only the calls that begin with `kind` ("status:"), without it.
  std::vector<std::string> Only(std::string_view kind) const;

  std::vector<std::string> calls;
  std::deque<bool> answers;  // the next question's answer; No when empty
  // When set, the halt request is raised at the ProcessEvents call with
  // this number (counting from 1).
  bool* halt = nullptr;
  int halt_at_events = 0;

 private:
  int events_ = 0;
};

// What the report driver saw at one step.
struct ReportedStep {
  int32_t pair = 0;
  int64_t new_start = 0;
  int64_t old_start = 0;
  int32_t new_count = 0;
  int32_t old_count = 0;
  PairResult result;
};

// Records its calls ("BeginRun", "BeginTextPair", "Step(<pair>)",
// "EndRun:<message>") and each step's state; `on_step` may act on the run.
// Like the report store, it is no longer full when a text pair begins.
class RecordingReport : public ReportDriver {
 public:
  void BeginRun() override;
  void BeginTextPair() override;
  bool ReportFull() const override { return full; }
  void ReportStep(CompareRun& run) override;
  void EndRun(const std::string& final_message) override;

  std::vector<std::string> calls;
  std::vector<ReportedStep> steps;
  std::function<void(CompareRun&)> on_step;
  bool full = false;
};

// The real file system, with faults on request for named paths, and a count
// of the bytes read from each path.
class TestFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
  bool IsFile(const std::string& path) override;
  bool IsDirectory(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& directory) override;
  std::vector<UnusableEntry> ListUnusable(const std::string& directory) override;
  std::string ExecutableDirectory() override;
  int LastError() override;

  std::map<std::string, int64_t> bytes_read;
  std::string fail_seek_to_end;  // path whose length cannot be found
  std::string fail_seek;         // path that cannot be positioned
  std::string fail_read;         // path whose reads fail
  int last_error = 0;
};

// A run over one pair of files, with a recording host and report.
struct PairFixture {
  PairFixture();
  // Adds a pair of files of the scratch directory.
  void Add(const std::string& new_name, const std::string& old_name);
  // Runs every pair added and returns the final message.
  std::string Run();

  ScratchDirectory scratch;
  PairList pairs;
  ControlValues controls;
  bool halt = false;
  RecordingHost host;
  RecordingReport report;
  TestFileSystem fs;
};

// Opens `path` as `side` is opened for a pair: handle, length and file time.
void OpenSideFile(FileSystem& fs, const std::string& path, SideFile& side);

// Every line `side` gives from where it stands, joined by "|".
std::string ReadRemainingLines(SideFile& side);

}  // namespace kestrin::engine_support

#endif  // KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_
