// Test doubles for run control.
#include "tests/run/run_support.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/path.h"
#include "report/report_lines.h"

namespace kestrin::run_support {
namespace {

// A fixed modified time for every written file (2001-09-09 01:46:40 UTC),
// so that reports which print file times are the same on every run.
constexpr int64_t kFixedFileTime = 1000000000;

const char* ControlName(MainControl control) {
  switch (control) {
    case MainControl::kStart:
      return "Start";
    case MainControl::kHalt:
      return "Halt";
    case MainControl::kReShow:
      return "ReShow";
    case MainControl::kExit:
      return "Exit";
    case MainControl::kBypassBox:
      return "Bypass";
  }
  return "?";
}

const char* FocusName(MainFocus target) {
  switch (target) {
    case MainFocus::kNewName:
      return "new";
    case MainFocus::kOldName:
      return "old";
    case MainFocus::kExit:
      return "exit";
    case MainFocus::kStatusLine:
      return "status";
  }
  return "?";
}

}  // namespace

RunScratch::RunScratch() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrin-run-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

RunScratch::~RunScratch() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string RunScratch::PathOf(const std::string& relative) const {
  return JoinPath(path_, relative);
}

std::string RunScratch::MakeDirectory(const std::string& relative) const {
  const std::string path = PathOf(relative);
  std::filesystem::create_directories(path);
  return path;
}

std::string RunScratch::Write(const std::string& relative, std::string_view bytes) const {
  const std::string path = PathOf(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const timespec times[2] = {{kFixedFileTime, 0}, {kFixedFileTime, 0}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
  return path;
}

void RunScratch::Remove(const std::string& relative) const {
  std::filesystem::remove(PathOf(relative));
}

std::vector<std::string> RunLog::Only(std::string_view kind) const {
  std::vector<std::string> found;
  for (const std::string& event : events) {
    if (event.starts_with(kind)) found.push_back(event.substr(kind.size()));
  }
  return found;
}

bool RunLog::Has(std::string_view event) const {
  return std::find(events.begin(), events.end(), event) != events.end();
}

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

void FakeMainView::RememberNameTexts() {
  remembered_new = new_name;
  remembered_old = old_name;
  log_.Add("remember");
}

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

bool FakeRunDialogs::AskYesNo(const std::string& question) {
  log_.Add("ask:" + question);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeRunDialogs::ShowMessage(const std::string& text) { log_.Add("message:" + text); }

void FakeRunDialogs::ShowLikeNameDialog(LikeNameDialog& dialog) {
  log_.Add("like-name-dialog");
  if (like_name_scripts.empty()) return;
  const auto script = std::move(like_name_scripts.front());
  like_name_scripts.pop_front();
  script(dialog);
}

void FakeRunDialogs::ShowTwoListDialog(TwoListDialog& dialog) {
  log_.Add("two-list-dialog");
  if (two_list_scripts.empty()) return;
  const auto script = std::move(two_list_scripts.front());
  two_list_scripts.pop_front();
  script(dialog);
}

void FakeRunDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                         const std::string& old_directory) {
  log_.Add("lookup:" + new_directory + "|" + old_directory);
  if (on_lookup) on_lookup();
}

void FakeRunDialogs::ShowReportViewer(const ReportLines& report) {
  log_.Add("viewer");
  viewed = report.Primary;
}

namespace {

// A real input file that plays its fault.
class FaultyInputFile : public InputFile {
 public:
  FaultyInputFile(std::unique_ptr<InputFile> file, FileFault fault, int& last_error)
      : file_(std::move(file)), fault_(fault), last_error_(last_error) {}

  bool SeekToEnd(int64_t* size) override {
    if (!fault_.length_fails) return file_->SeekToEnd(size);
    last_error_ = ESPIPE;
    return false;
  }
  bool Seek(int64_t offset) override {
    position_ = offset;
    return file_->Seek(offset);
  }
  int64_t Read(char* buffer, int64_t count) override {
    if (fault_.reads_end_at >= 0 && position_ + count > fault_.reads_end_at) {
      count = std::max<int64_t>(0, fault_.reads_end_at - position_);
      if (count == 0 && fault_.read_error) {
        last_error_ = EIO;
        return -1;
      }
    }
    const int64_t got = file_->Read(buffer, count);
    if (got > 0) position_ += got;
    return got;
  }
  int64_t ModifiedTime() override { return file_->ModifiedTime(); }

 private:
  std::unique_ptr<InputFile> file_;
  FileFault fault_;
  int& last_error_;
  int64_t position_ = 0;
};

}  // namespace

std::unique_ptr<InputFile> WatchedFileSystem::OpenRead(const std::string& path, int* error) {
  opened.push_back(path);
  const auto fault = faults.find(path);
  if (fault == faults.end()) return real_.OpenRead(path, error);
  if (fault->second.open_error != 0) {
    *error = last_error = fault->second.open_error;
    return nullptr;
  }
  std::unique_ptr<InputFile> file = real_.OpenRead(path, error);
  if (file == nullptr) return nullptr;
  return std::make_unique<FaultyInputFile>(std::move(file), fault->second, last_error);
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

void StartWithOneSideVanishing(RunHarness& harness, WatchedFileSystem& fs, bool new_side) {
  fs.vanishing = new_side ? harness.view.new_name : harness.view.old_name;
  fs.checks = 1;
  harness.controller.StartClicked();
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
  const std::string golden = std::string(KESTRIN_SOURCE_DIR) + "/tests/run/golden/" + name + ".txt";
  if (std::getenv("KESTRIN_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(golden, std::ios::binary) << text;
    return;
  }
  std::ifstream in(golden, std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(text, expected) << "golden " << golden;
}

std::string RunLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace kestrin::run_support
