// The read-ahead thread and the files it hands to the run.
#include "engine/read_ahead_file_system.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/brief_wait.h"

namespace kestrin {

namespace {

// A small file takes the reading thread a few microseconds: the run looks
// for it this long before it sleeps.
constexpr std::chrono::microseconds kFileLookingTime{200};

// A regular file's bytes as they were read ahead, read as the file would be.
class HeldFile : public InputFile {
 public:
  HeldFile(std::string bytes, int64_t modified_time)
      : bytes_(std::move(bytes)), modified_time_(modified_time) {}

  bool SeekToEnd(int64_t* size) override {
    *size = Size();
    position_ = *size;
    return true;
  }
  bool Seek(int64_t offset) override {
    if (offset < 0) return false;
    position_ = offset;
    return true;
  }
  int64_t Read(char* buffer, int64_t count) override {
    const int64_t got = std::clamp<int64_t>(Size() - position_, 0, count);
    std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(got));
    position_ += got;
    return got;
  }
  int64_t ModifiedTime() override { return modified_time_; }

 private:
  int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }

  std::string bytes_;
  int64_t modified_time_;
  int64_t position_ = 0;
};

}  // namespace

ReadAheadFileSystem::ReadAheadFileSystem(FileSystem& fs, std::vector<std::string> paths)
    : fs_(fs), paths_(std::move(paths)), files_(paths_.size()) {
  reader_ = std::thread(&ReadAheadFileSystem::ReadAhead, this);
}

ReadAheadFileSystem::~ReadAheadFileSystem() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  reader_.join();
}

std::unique_ptr<InputFile> ReadAheadFileSystem::OpenRead(const std::string& path, int* error) {
  std::unique_lock lock(mutex_);
  const size_t window_end = std::min(paths_.size(), next_wanted_ + kReadAheadFiles);
  const auto found = std::find(paths_.begin() + static_cast<std::ptrdiff_t>(next_wanted_),
                               paths_.begin() + static_cast<std::ptrdiff_t>(window_end), path);
  if (found == paths_.begin() + static_cast<std::ptrdiff_t>(window_end)) {
    lock.unlock();
    return fs_.OpenRead(path, error);
  }
  const auto index = static_cast<size_t>(found - paths_.begin());
  PassTo(index);
  AwaitLooking(lock, changed_, kFileLookingTime, [&] { return files_[index].done; });
  AheadFile file = TakeFile(index);
  ++next_wanted_;
  changed_.notify_all();
  lock.unlock();
  if (!file.whole) return fs_.OpenRead(path, error);
  return std::make_unique<HeldFile>(std::move(file.bytes), file.modified_time);
}

ReadAheadFileSystem::AheadFile ReadAheadFileSystem::TakeFile(size_t index) {
  AheadFile file = std::move(files_[index]);
  files_[index].bytes = std::string();
  held_bytes_ -= static_cast<int64_t>(file.bytes.size());
  return file;
}

void ReadAheadFileSystem::PassTo(size_t index) {
  for (; next_wanted_ < index; ++next_wanted_) TakeFile(next_wanted_);
  changed_.notify_all();
}

void ReadAheadFileSystem::ReadAhead() {
  std::unique_lock lock(mutex_);
  while (true) {
    // Files the run has passed are not worth reading any more.
    next_read_ = std::max(next_read_, next_wanted_);
    if (stopping_ || next_read_ >= paths_.size()) return;
    if (next_read_ >= next_wanted_ + kReadAheadFiles || held_bytes_ > kReadAheadBytes) {
      changed_.wait(lock);
      continue;
    }
    const size_t index = next_read_++;
    lock.unlock();
    AheadFile file = ReadWhole(paths_[index]);
    lock.lock();
    file.done = true;
    // A file the run passed meanwhile is let go at once.
    if (index < next_wanted_) file.bytes = std::string();
    held_bytes_ += static_cast<int64_t>(file.bytes.size());
    files_[index] = std::move(file);
    changed_.notify_all();
  }
}

ReadAheadFileSystem::AheadFile ReadAheadFileSystem::ReadWhole(const std::string& path) {
  AheadFile file;
  int error = 0;
  std::unique_ptr<InputFile> input = fs_.OpenRead(path, &error);
  int64_t size = 0;
  if (input == nullptr || !input->SeekToEnd(&size) || size > kReadAheadFileLimit ||
      !input->Seek(0)) {
    return file;
  }
  file.bytes.resize(static_cast<size_t>(size));
  file.modified_time = input->ModifiedTime();
  file.whole = input->Read(file.bytes.data(), size) == size;
  if (!file.whole) file.bytes = std::string();
  return file;
}

}  // namespace kestrin
