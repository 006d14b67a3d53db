// The POSIX file system: input files read-only, directory listings, and the
// file time as text.
#include "engine/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <climits>
#include <ctime>
#include <system_error>

#include "engine/engine_texts.h"
#include "engine/path.h"

namespace kestrin {

namespace {

// The error number of this thread's last failed call, kept apart from errno
// so that later successful library calls cannot overwrite it.
thread_local int last_error = 0;

int RecordError() {
  last_error = errno;
  return last_error;
}

// A regular file keeps its read position itself and reads with pread, and
// its time and length come from the one fstat of the open: a pair then costs
// no seek at all. Other files (a pipe or a device named by the user) seek and
// read as the system does.
class PosixInputFile : public InputFile {
 public:
  PosixInputFile(int descriptor, const struct stat& status)
      : descriptor_(descriptor),
        regular_(S_ISREG(status.st_mode)),
        modified_time_(status.st_mtime),
        opened_size_(status.st_size) {}
  ~PosixInputFile() override { close(descriptor_); }
  PosixInputFile(const PosixInputFile&) = delete;
  PosixInputFile& operator=(const PosixInputFile&) = delete;

  // A regular file's length is the one it had when opened. A length of 0
  // comes from the system's own seek: some files (those of /proc, say) show
  // 0 or cannot seek at all, and that must end the pair as it always has.
  bool SeekToEnd(int64_t* size) override {
    if (regular_ && opened_size_ > 0) {
      *size = opened_size_;
      position_ = opened_size_;
      return true;
    }
    const off_t end = lseek(descriptor_, 0, SEEK_END);
    if (end < 0) {
      RecordError();
      return false;
    }
    *size = end;
    position_ = end;
    return true;
  }

  bool Seek(int64_t offset) override {
    if (regular_ && offset >= 0) {
      position_ = offset;
      return true;
    }
    if (lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) < 0) {
      RecordError();
      return false;
    }
    return true;
  }

  // Reads until `count` bytes are in or the file ends, so that a short read
  // of the system never looks like an early end of the file.
  int64_t Read(char* buffer, int64_t count) override {
    int64_t total = 0;
    while (total < count) {
      const auto wanted = static_cast<size_t>(count - total);
      const ssize_t got = regular_ ? pread(descriptor_, buffer + total, wanted, position_)
                                   : read(descriptor_, buffer + total, wanted);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        RecordError();
        return total > 0 ? total : -1;
      }
      if (got == 0) break;
      total += got;
      if (regular_) position_ += got;
    }
    return total;
  }

  int64_t ModifiedTime() override {
    if (regular_) return modified_time_;
    struct stat status {};
    if (fstat(descriptor_, &status) != 0) {
      RecordError();
      return 0;
    }
    return static_cast<int64_t>(status.st_mtime);
  }

 private:
  int descriptor_;
  bool regular_;
  int64_t modified_time_;  // a regular file's last-modified time when it was opened
  int64_t opened_size_;    // a regular file's length when it was opened
  int64_t position_ = 0;   // a regular file's read position
};

bool StatPath(const std::string& path, struct stat* status) {
  if (stat(path.c_str(), status) == 0) return true;
  RecordError();
  return false;
}

// True iff the entry's type is only known by following it.
bool MayBeLink(const dirent& entry) {
  return entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN;
}

// The kind of a name whose status `status` gives, links already followed.
PathKind KindOf(const struct stat& status) {
  if (S_ISREG(status.st_mode)) return PathKind::kFile;
  if (S_ISDIR(status.st_mode)) return PathKind::kDirectory;
  if (S_ISFIFO(status.st_mode)) return PathKind::kPipe;
  if (S_ISSOCK(status.st_mode)) return PathKind::kSocket;
  return PathKind::kDevice;
}

// The kind of a directory entry that its entry type alone tells, with no
// call of the system; kMissing when only a look at the name can tell.
PathKind KindOfEntryType(unsigned char type) {
  switch (type) {
    case DT_REG:
      return PathKind::kFile;
    case DT_DIR:
      return PathKind::kDirectory;
    case DT_FIFO:
      return PathKind::kPipe;
    case DT_SOCK:
      return PathKind::kSocket;
    case DT_CHR:
    case DT_BLK:
      return PathKind::kDevice;
    default:
      return PathKind::kMissing;
  }
}

// Puts the entry `name` (at `path`, of directory entry type `type`) into the
// list of `entries` it belongs to; a pipe, socket or device is listed with
// the dangling links, as an entry that cannot be compared.
void SortEntry(const std::string& path, const std::string& name, unsigned char type,
               DirectoryEntries& entries) {
  struct stat status {};
  bool link = type == DT_LNK;
  PathKind kind = KindOfEntryType(type);
  if (kind == PathKind::kMissing && !link) {
    if (lstat(path.c_str(), &status) != 0) return;
    link = S_ISLNK(status.st_mode);
    if (!link) kind = KindOf(status);
  }
  std::string reason;
  if (link) {
    if (stat(path.c_str(), &status) == 0) {
      kind = KindOf(status);
    } else {
      reason = ErrorReason(errno);
    }
  }
  switch (kind) {
    case PathKind::kFile:
      entries.files.push_back(name);
      break;
    case PathKind::kDirectory:
      (link ? entries.directory_links : entries.subdirectories).push_back(name);
      break;
    case PathKind::kPipe:
    case PathKind::kSocket:
    case PathKind::kDevice:
      entries.broken_links.emplace_back(name, NotARegularFileReason(kind));
      break;
    case PathKind::kBrokenLink:
    case PathKind::kMissing:
      entries.broken_links.emplace_back(name, reason);
      break;
  }
}

class PosixFileSystem : public FileSystem {
 public:
  // Opens without blocking, so that a name of a pipe cannot hang the run; a
  // directory is refused as no input file.
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
      *error = RecordError();
      return nullptr;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
      if (S_ISDIR(status.st_mode)) errno = EISDIR;
      *error = RecordError();
      close(descriptor);
      return nullptr;
    }
    return std::make_unique<PosixInputFile>(descriptor, status);
  }

  bool IsFile(const std::string& path) override {
    struct stat status {};
    return StatPath(path, &status) && S_ISREG(status.st_mode);
  }

  bool IsDirectory(const std::string& path) override {
    struct stat status {};
    return StatPath(path, &status) && S_ISDIR(status.st_mode);
  }

  // Symbolic links and entries of unknown type are followed, so that a link
  // to a file lists as a file and a link to a directory does not.
  std::vector<std::string> ListFiles(const std::string& directory) override {
    std::vector<std::string> names;
    DIR* stream = opendir(directory.c_str());
    if (stream == nullptr) {
      RecordError();
      return names;
    }
    while (const dirent* entry = readdir(stream)) {
      const std::string name = entry->d_name;
      if (entry->d_type == DT_REG || (MayBeLink(*entry) && IsFile(JoinPath(directory, name)))) {
        names.push_back(name);
      }
    }
    closedir(stream);
    return names;
  }

  // The entries that reading the directory puts among the broken links:
  // links that dangle, loop or cannot be searched, and named pipes, sockets
  // and devices, links to them too.
  std::vector<UnusableEntry> ListUnusable(const std::string& directory) override {
    std::vector<UnusableEntry> unusable;
    for (auto& [name, reason] : ReadDirectory(directory).broken_links) {
      unusable.push_back(UnusableEntry{std::move(name), std::move(reason)});
    }
    return unusable;
  }

  PathStatus Examine(const std::string& path) override {
    struct stat status {};
    if (!StatPath(path, &status)) {
      const int error = last_error;
      const bool is_link = lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
      last_error = error;
      return PathStatus{is_link ? PathKind::kBrokenLink : PathKind::kMissing, error};
    }
    const PathKind kind = KindOf(status);
    if (kind != PathKind::kDirectory) return PathStatus{kind, 0};
    DIR* stream = opendir(path.c_str());
    if (stream == nullptr) return PathStatus{kind, RecordError()};
    closedir(stream);
    return PathStatus{kind, 0};
  }

  // Links are looked at through stat: a link to a file lists as a file, any
  // link to a directory as such, a dangling link or a loop with its reason.
  DirectoryEntries ReadDirectory(const std::string& directory) override {
    DirectoryEntries entries;
    DIR* stream = opendir(directory.c_str());
    if (stream == nullptr) {
      entries.error = RecordError();
      return entries;
    }
    while (const dirent* entry = readdir(stream)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      SortEntry(JoinPath(directory, name), name, entry->d_type, entries);
    }
    closedir(stream);
    return entries;
  }

  std::string ExecutableDirectory() override {
    char target[PATH_MAX + 1];
    const ssize_t length = readlink("/proc/self/exe", target, PATH_MAX);
    if (length <= 0) {
      RecordError();
      return ".";
    }
    std::string directory = DirectoryPart(std::string_view(target, static_cast<size_t>(length)));
    if (directory.size() > 1) directory.pop_back();
    return directory;
  }

  int LastError() override { return last_error; }
  // Every call works on its own descriptors, and the error number is the
  // calling thread's.
  bool ThreadSafe() const override { return true; }
};

}  // namespace

PathStatus FileSystem::Examine(const std::string& path) {
  if (IsFile(path)) return PathStatus{PathKind::kFile};
  if (IsDirectory(path)) return PathStatus{PathKind::kDirectory, ReadDirectory(path).error};
  const int error = LastError();
  return PathStatus{PathKind::kMissing, error != 0 ? error : ENOENT};
}

FileSystem& DefaultFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

std::string ErrorReason(int error) {
  char text[256] = {};
  // The GNU form returns the text, which may or may not be in `text`.
  return strerror_r(error, text, sizeof text);
}

std::string FormatFileTime(int64_t packed_time) {
  const auto seconds = static_cast<time_t>(packed_time);
  struct tm local {};
  if (localtime_r(&seconds, &local) == nullptr) return std::string();
  char text[128];
  const size_t length = strftime(text, sizeof text, "%x %X", &local);
  return std::string(text, length);
}

}  // namespace kestrin
