// Test doubles and helpers for the engine spine's tests: a report driver
// that records its calls, and a file system that fails on request.
#ifndef KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_
#define KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_host.h"
#include "engine/file_system.h"
#include "engine/pair_driver.h"
#include "engine/pair_run.h"
#include "engine/report_driver.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::engine_support {

using testkit::RecordingHost;
using testkit::ScratchDirectory;
using testkit::SetModifiedTime;

// `count` lines "line 1" ... each ended by CR LF.
std::string NumberedLines(int count);

// What the report driver saw at one step.
struct ReportedStep {
  int32_t pair = 0;
  PairResult result;
};

// Records its calls ("BeginRun", "BeginTextPair", "Step(<pair>)",
// "EndRun:<message>") and each step's state; `on_step` may act on the run.
// Like the report store, it is no longer full when a text pair begins.
class RecordingReport : public ReportDriver {
 public:
  void BeginRun() override { calls.push_back("BeginRun"); }
  void BeginTextPair() override {
    calls.push_back("BeginTextPair");
    full = false;
  }
  bool ReportFull() const override { return full; }
  void ReportStep(CompareRun& run) override;
  void EndRun(const std::string& final_message) override {
    calls.push_back("EndRun:" + final_message);
  }

  std::vector<std::string> calls;
  std::vector<ReportedStep> steps;
  std::function<void(CompareRun&)> on_step;
  bool full = false;
};

// A run over one pair of files, with a recording host and report.
struct PairFixture {
  PairFixture() {
    pairs.new_directory = pairs.old_directory = scratch.path();
    host.halt = &halt;
  }
  // Runs every pair added and returns the final message.
  std::string Run() { return RunPairs(RunRequest{pairs, controls, halt, host, report, fs}); }

  ScratchDirectory scratch;
  PairList pairs;
  ControlValues controls;
  bool halt = false;
  RecordingHost host;
  RecordingReport report;
  testkit::FaultyFileSystem fs;
};

// The controls `words` name: preference keywords, and dp=N for the Dp
// choice, tab=T, subc=S, embedded=E for Dudc, range=R for the first new
// Ccol range and old2=R for the second old one.
ControlValues ControlsOf(const std::string& words);

// Opens `path` as `side` is opened for a pair: handle, length and file time.
void OpenSideFile(FileSystem& fs, const std::string& path, SideFile& side);

// Every line `side` gives from where it stands, joined by "|".
std::string ReadRemainingLines(SideFile& side);

}  // namespace kestrin::engine_support

#endif  // KESTRIN_TESTS_ENGINE_ENGINE_SUPPORT_H_
