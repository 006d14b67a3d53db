// Helpers for the report tests.
#include "tests/report/report_support.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/file_system.h"
#include "engine/pair_driver.h"
#include "engine/path.h"
#include "report/report_generator.h"

namespace kestrin::report_support {

namespace fs = std::filesystem;

std::string ReadReportFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

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

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// The first line where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream expected_lines(expected);
  std::istringstream actual_lines(actual);
  std::string e;
  std::string a;
  for (int number = 1;; ++number) {
    const bool more_e = static_cast<bool>(std::getline(expected_lines, e));
    const bool more_a = static_cast<bool>(std::getline(actual_lines, a));
    if (!more_e && !more_a) return "texts differ only in their final line feed";
    if (!more_e || !more_a || e != a) {
      return "line " + std::to_string(number) + "\n  golden: [" + (more_e ? e : "<end>") +
             "]\n  actual: [" + (more_a ? a : "<end>") + "]";
    }
  }
}

}  // namespace

bool ReportHost::AskYesNo(const std::string& question) {
  questions.push_back(question);
  return false;
}

ReportScratch::ReportScratch() {
  std::string pattern = (fs::temp_directory_path() / "kestrin-report-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a scratch directory";
  path_ = pattern;
}

ReportScratch::~ReportScratch() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void ReportScratch::Write(const std::string& name, std::string_view bytes) const {
  const fs::path path = fs::path(path_) / name;
  fs::create_directories(path.parent_path());
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const timespec times[2] = {{kFixedFileTime, 0}, {kFixedFileTime, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) ADD_FAILURE() << "cannot set " << path;
}

void UseUtcFileTimes() {
  setenv("TZ", "UTC", 1);
  tzset();
}

void RunReport(const std::vector<PairFiles>& pairs, ControlValues controls,
               const DirectoryRunInfo& info, ReportRun& run, size_t line_capacity) {
  UseUtcFileTimes();
  ReportScratch scratch;
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
  run.final_message = RunPairs(
      RunRequest{pair_list, controls, halt_requested, run.host, generator, DefaultFileSystem()});
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

void ExpectGoldenFile(const std::string& path, const std::vector<std::string>& lines) {
  const std::string actual = Joined(lines);
  const char* update = std::getenv("KESTRIN_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << actual;
    return;
  }
  if (!fs::exists(path)) {
    ADD_FAILURE() << "no golden file " << path << " (make it with KESTRIN_UPDATE_GOLDEN=1)";
    return;
  }
  const std::string golden = ReadReportFile(path);
  EXPECT_TRUE(golden == actual) << "report differs from golden " << path << " at "
                                << FirstDifference(golden, actual);
}

std::string CountedLines(const std::string& prefix, int first, int count) {
  std::string text;
  for (int k = first; k < first + count; ++k) text += prefix + " " + std::to_string(k) + "\n";
  return text;
}

HandRun::HandRun() : run(pairs, halt, host, DefaultFileSystem()), store(lines, host) {
  UseUtcFileTimes();
  run.settings.ListingTypeText = "Chng";
}

bool HandRun::Has(const std::string& line) const {
  return std::find(lines.Primary.begin(), lines.Primary.end(), line) != lines.Primary.end();
}

bool HandRun::HasStart(const std::string& start) const {
  return std::any_of(lines.Primary.begin(), lines.Primary.end(),
                     [&](const std::string& line) { return line.starts_with(start); });
}

HandSection::HandSection() {
  settings.Long = true;
  settings.ListingType = ListingKind::kLong;
  settings.ListingTypeText = "Long";
}

void HandSection::New(std::string text, int32_t partner) {
  InputLine& line = new_lines.line[++new_lines.count];
  line.RawLen = static_cast<int16_t>(text.size());
  line.Text = std::move(text);
  if (partner == 0) return;
  line.Matched = true;
  line.Link = static_cast<uint16_t>(partner);
  old_lines.line[partner].Matched = true;
  old_lines.line[partner].Link = static_cast<uint16_t>(new_lines.count);
}

void HandSection::Old(std::string text) {
  InputLine& line = old_lines.line[++old_lines.count];
  line.RawLen = static_cast<int16_t>(text.size());
  line.Text = std::move(text);
}

void HandSection::NewDp(std::string text) {
  New(std::move(text));
  new_lines.line[new_lines.count].IsDp = true;
}

void HandSection::Move(int32_t i, int32_t j) {
  new_lines.line[i].Moved = true;
  new_lines.line[i].Link = static_cast<uint16_t>(j);
  old_lines.line[j].Moved = true;
  old_lines.line[j].Link = static_cast<uint16_t>(i);
}

SectionView HandSection::View() {
  return SectionView{settings, pair, new_lines, old_lines, new_side, old_side};
}

std::vector<std::string> HandSection::ChangeListing() {
  new_lines.WriteSentinel(old_lines.count);
  old_lines.WriteSentinel(new_lines.count);
  SectionView view = View();
  CountDeletions(view);
  CountInsertionsAndMatches(view);
  MarkReformatRuns(view);
  CollectingSink sink;
  WriteChangeListing(view, sink);
  return sink.lines;
}

}  // namespace kestrin::report_support
