// Helpers for the report tests.
#include "tests/report/report_support.h"

#include <filesystem>
#include <utility>

#include "engine/file_system.h"
#include "engine/pair_driver.h"
#include "engine/path.h"
#include "report/report_generator.h"

namespace kestrin::report_support {

namespace fs = std::filesystem;

namespace {

// Makes `directory` the current directory for its lifetime.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& directory) : previous_(fs::current_path()) {
    fs::current_path(directory);
  }
  ~CurrentDirectory() { fs::current_path(previous_); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  fs::path previous_;
};

}  // namespace

void RunReport(const std::vector<PairFiles>& pairs, ControlValues controls,
               const DirectoryRunInfo& info, ReportRun& run, size_t line_capacity) {
  testkit::UseUtcFileTimes();
  testkit::ScratchDirectory scratch;
  PairList pair_list;
  const bool one_directory = pairs.size() == 1 && pairs[0].new_name == "new.txt";
  pair_list.new_directory = one_directory ? "" : "new";
  pair_list.old_directory = one_directory ? "" : "old";
  for (const PairFiles& pair : pairs) {
    scratch.Write(JoinPath(pair_list.new_directory, pair.new_name), pair.new_bytes);
    scratch.Write(JoinPath(pair_list.old_directory, pair.old_name), pair.old_bytes);
    pair_list.Add(pair.new_name, pair.old_name);
  }
  DirectoryRunInfo run_info = info;
  run_info.options_text = OptionsText(controls.dp_choice, controls.preferences);
  run_info.dudc_text = controls.dudc_tag;
  run_info.dudc_embedded = controls.dudc_embedded;
  ReportGenerator generator(run.lines, run.host, run_info, line_capacity);
  bool halt_requested = false;
  const CurrentDirectory in_scratch(scratch.path());
  FileSystem& fs = run.file_system != nullptr ? *run.file_system : DefaultFileSystem();
  run.final_message =
      RunPairs(RunRequest{pair_list, controls, halt_requested, run.host, generator, fs});
}

void RunOnePair(const std::string& new_bytes, const std::string& old_bytes, ControlValues controls,
                ReportRun& run) {
  // For two named files the main panel's name fields hold the file names.
  DirectoryRunInfo info;
  info.new_directory = "new.txt";
  info.old_directory = "old.txt";
  RunReport({{"new.txt", new_bytes, "old.txt", old_bytes}}, std::move(controls), info, run);
}

ControlValues ControlsWith(const std::string& listing_type, const std::string& options_text) {
  const ParsedOptions parsed = ParseOptionsText(options_text);
  ControlValues controls;
  controls.listing_type_text = listing_type;
  controls.preferences = parsed.preferences;
  controls.dp_choice = parsed.dp_choice;
  return controls;
}

}  // namespace kestrin::report_support
