// Test doubles and helpers for the engine spine's tests.
#include "engine_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "engine/path.h"

namespace kestrin::engine_support {

ScratchDirectory::ScratchDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrin_engine_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch directory");
  path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::PathOf(const std::string& name) const {
  return JoinPath(path_, name);
}

std::string ScratchDirectory::Write(const std::string& name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

void SetModifiedTime(const std::string& path, int64_t seconds) {
  struct timespec times[2] = {};
  times[0].tv_sec = static_cast<time_t>(seconds);
  times[1].tv_sec = static_cast<time_t>(seconds);
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("utimensat");
}

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

void RecordingHost::SetStatus(const std::string& text) { calls.push_back("status:" + text); }
void RecordingHost::ToggleProgress() { calls.push_back("toggle"); }
void RecordingHost::ShowFirstProgress() { calls.push_back("first"); }
void RecordingHost::HideProgress() { calls.push_back("hide"); }

void RecordingHost::ProcessEvents() {
  calls.push_back("events");
  if (halt != nullptr && ++events_ == halt_at_events) *halt = true;
}

bool RecordingHost::AskYesNo(const std::string& question) {
  calls.push_back("ask:" + question);
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void RecordingHost::ShowMessage(const std::string& text) { calls.push_back("message:" + text); }

std::vector<std::string> RecordingHost::Only(std::string_view kind) const {
  std::vector<std::string> picked;
  for (const std::string& call : calls) {
    if (call.starts_with(kind)) picked.push_back(call.substr(kind.size()));
  }
  return picked;
}

void RecordingReport::BeginRun() { calls.push_back("BeginRun"); }
void RecordingReport::BeginTextPair() {
  calls.push_back("BeginTextPair");
  full = false;
}

void RecordingReport::ReportStep(CompareRun& run) {
  calls.push_back("Step(" + std::to_string(run.state.CurrentPair) + ")");
  steps.push_back({run.state.CurrentPair, run.new_side.SectionStart, run.old_side.SectionStart,
                   run.new_section.count, run.old_section.count, run.pair});
  if (on_step) on_step(run);
}

void RecordingReport::EndRun(const std::string& final_message) {
  calls.push_back("EndRun:" + final_message);
}

namespace {

// A real input file that counts what it reads and fails where told.
class TestInputFile : public InputFile {
 public:
  TestInputFile(std::unique_ptr<InputFile> file, TestFileSystem& fs, std::string path)
      : file_(std::move(file)), fs_(fs), path_(std::move(path)) {}

  bool SeekToEnd(int64_t* size) override {
    if (path_ == fs_.fail_seek_to_end) return Fail(ESPIPE);
    return file_->SeekToEnd(size);
  }
  bool Seek(int64_t offset) override {
    if (path_ == fs_.fail_seek) return Fail(ESPIPE);
    return file_->Seek(offset);
  }
  int64_t Read(char* buffer, int64_t count) override {
    if (path_ == fs_.fail_read) {
      Fail(EIO);
      return -1;
    }
    const int64_t got = file_->Read(buffer, count);
    if (got > 0) fs_.bytes_read[path_] += got;
    return got;
  }
  int64_t ModifiedTime() override { return file_->ModifiedTime(); }

 private:
  bool Fail(int error) {
    fs_.last_error = error;
    return false;
  }

  std::unique_ptr<InputFile> file_;
  TestFileSystem& fs_;
  std::string path_;
};

}  // namespace

std::unique_ptr<InputFile> TestFileSystem::OpenRead(const std::string& path, int* error) {
  std::unique_ptr<InputFile> file = DefaultFileSystem().OpenRead(path, error);
  if (file == nullptr) return nullptr;
  return std::make_unique<TestInputFile>(std::move(file), *this, path);
}

bool TestFileSystem::IsFile(const std::string& path) { return DefaultFileSystem().IsFile(path); }
bool TestFileSystem::IsDirectory(const std::string& path) {
  return DefaultFileSystem().IsDirectory(path);
}
std::vector<std::string> TestFileSystem::ListFiles(const std::string& directory) {
  return DefaultFileSystem().ListFiles(directory);
}
std::vector<UnusableEntry> TestFileSystem::ListUnusable(const std::string& directory) {
  return DefaultFileSystem().ListUnusable(directory);
}
std::string TestFileSystem::ExecutableDirectory() {
  return DefaultFileSystem().ExecutableDirectory();
}
int TestFileSystem::LastError() { return last_error; }

PairFixture::PairFixture() {
  pairs.new_directory = scratch.path();
  pairs.old_directory = scratch.path();
  host.halt = &halt;
}

void PairFixture::Add(const std::string& new_name, const std::string& old_name) {
  pairs.Add(new_name, old_name);
}

std::string PairFixture::Run() {
  return RunPairs(RunRequest{pairs, controls, halt, host, report, fs});
}

void OpenSideFile(FileSystem& fs, const std::string& path, SideFile& side) {
  int error = 0;
  side.file_name = path;
  side.handle = fs.OpenRead(path, &error);
  if (side.handle == nullptr || !side.handle->SeekToEnd(&side.file_size) || !side.handle->Seek(0)) {
    throw std::runtime_error("cannot open " + path);
  }
  side.file_age = side.handle->ModifiedTime();
}

std::string ReadRemainingLines(SideFile& side) {
  std::string lines;
  const char* separator = "";
  for (ReadLine(side); !side.AtEof; ReadLine(side)) {
    lines += separator;
    separator = "|";
    lines.append(side.LineBuffer, static_cast<size_t>(side.line_length));
  }
  return lines;
}

}  // namespace kestrin::engine_support
