// Writing the --secondary file safely.
#include "cli/batch_secondary.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace kestrin {
namespace {

// mkstemp replaces the six X with a unique name.
constexpr std::string_view kTemporarySuffix = ".XXXXXX";
// The mode a new file gets before the user's file-creation mask.
constexpr mode_t kNewFileMode = 0666;

// Makes an empty temporary file beside `path`, with the mode a new file of
// that name would get. Returns its name, or an empty text.
std::string MakeTemporaryBeside(const std::string& path) {
  std::string pattern = path + std::string(kTemporarySuffix);
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0) return std::string();
  const mode_t creation_mask = umask(0);
  umask(creation_mask);
  fchmod(descriptor, kNewFileMode & ~creation_mask);
  close(descriptor);
  return pattern;
}

}  // namespace

bool NamesComparedFile(const std::string& secondary, const std::vector<std::string>& compared) {
  for (const std::string& name : compared) {
    std::error_code error;
    if (name == secondary || std::filesystem::equivalent(name, secondary, error)) return true;
  }
  return false;
}

SecondaryFile::SecondaryFile(std::string path) : path_(std::move(path)) {}

SecondaryFile::~SecondaryFile() {
  if (!temporary_.empty()) std::remove(temporary_.c_str());
}

void SecondaryFile::Open() {
  opened_ = true;
  temporary_ = MakeTemporaryBeside(path_);
  if (!temporary_.empty()) file_.open(temporary_, std::ios::binary | std::ios::trunc);
}

void SecondaryFile::Write(std::string_view line) {
  if (!opened_) Open();
  if (!file_.is_open()) return;
  file_.write(line.data(), static_cast<std::streamsize>(line.size()));
  file_.put('\n');
}

bool SecondaryFile::Place() {
  if (!opened_) Open();
  if (temporary_.empty()) return false;
  file_.close();
  if (!file_ || std::rename(temporary_.c_str(), path_.c_str()) != 0) return false;
  temporary_.clear();
  return true;
}

}  // namespace kestrin
