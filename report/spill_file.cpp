// The report's spill file, on plain POSIX calls.
#include "report/spill_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "engine/path.h"
#include "report/report_texts.h"

namespace kestrin {
namespace {

// A name of this process that is taken already (left by an earlier process
// of the same id) is passed over; this many are tried before giving up.
constexpr int kNameAttempts = 100;

// Counts the spill files this process has made, so each has its own name.
std::atomic<unsigned> spill_file_count{0};

std::string SpillFileName(pid_t pid, unsigned number) {
  return std::string(kSpillFilePrefix) + std::to_string(pid) + "-" + std::to_string(number) +
         std::string(kSpillFileSuffix);
}

// Reads the decimal number at the start of `text` into *value and drops it
// from `text`. Returns false when `text` does not start with a digit.
template <typename Number>
bool TakeNumber(std::string_view& text, Number* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  if (error != std::errc() || end == text.data()) return false;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  return true;
}

// The process id a spill file's name carries, or 0 for any other name.
pid_t SpillFileOwner(std::string_view name) {
  if (!name.starts_with(kSpillFilePrefix) || !name.ends_with(kSpillFileSuffix)) return 0;
  name.remove_prefix(kSpillFilePrefix.size());
  name.remove_suffix(kSpillFileSuffix.size());
  pid_t pid = 0;
  unsigned number = 0;
  if (!TakeNumber(name, &pid) || !name.starts_with('-')) return 0;
  name.remove_prefix(1);
  if (!TakeNumber(name, &number) || !name.empty()) return 0;
  return pid > 0 ? pid : 0;
}

// A process that cannot be signalled for want of permission still runs.
bool ProcessEnded(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::unique_ptr<SpillFile> SpillFile::Create(const std::string& directory) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string path = JoinPath(directory, SpillFileName(getpid(), spill_file_count++));
    const int descriptor =
        open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor >= 0) return std::unique_ptr<SpillFile>(new SpillFile(descriptor, std::move(path)));
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

SpillFile::~SpillFile() {
  close(descriptor_);
  unlink(path_.c_str());
}

bool SpillFile::Append(const char* data, size_t size) {
  size_t written = 0;
  while (written < size) {
    const ssize_t count = pwrite(descriptor_, data + written, size - written,
                                 static_cast<off_t>(size_ + written));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    written += static_cast<size_t>(count);
  }
  size_ += size;
  return true;
}

bool SpillFile::ReadAt(uint64_t offset, char* buffer, size_t size) const {
  size_t done = 0;
  while (done < size) {
    const ssize_t count =
        pread(descriptor_, buffer + done, size - done, static_cast<off_t>(offset + done));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

std::string SpillDirectory() {
  for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "/tmp";
}

int RemoveStaleSpillFiles(const std::string& directory) {
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(directory.c_str()), closedir);
  if (listing == nullptr) return 0;
  int removed = 0;
  while (const dirent* entry = readdir(listing.get())) {
    const pid_t owner = SpillFileOwner(entry->d_name);
    if (owner != 0 && ProcessEnded(owner) &&
        unlink(JoinPath(directory, entry->d_name).c_str()) == 0) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace kestrin
