// The settings file on disk: read whole, replaced through a temporary file.
#include "settings/settings_storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/engine_texts.h"
#include "engine/path.h"
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

std::string ErrorText(int error) { return std::generic_category().message(error); }

SettingsText Unreadable(int error) {
  return SettingsText{ReadOutcome::kUnreadable, {}, ErrorText(error)};
}

// The temporary files of `target` are named `target` + this suffix, its
// X's replaced by mkstemp.
constexpr std::string_view kTemporarySuffix = ".XXXXXX";

// A temporary file beside the file it will replace; removed again unless it
// was moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : name_(target + std::string(kTemporarySuffix)) {
    descriptor_ = mkstemp(name_.data());
    if (descriptor_ < 0) name_.clear();
  }
  ~TemporaryFile() {
    if (descriptor_ >= 0) close(descriptor_);
    if (!name_.empty()) unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool IsOpen() const { return descriptor_ >= 0; }

  // Gives the file `mode`; a file that keeps the owner-only mode of a new
  // temporary file still holds the settings, so a failure here is no failure.
  void SetMode(mode_t mode) { (void)fchmod(descriptor_, mode); }

  // Writes all of `contents`, flushes it to the disk and closes the file.
  // Returns 0 or the error number of the step that failed.
  int WriteAndClose(std::string_view contents) {
    while (!contents.empty()) {
      const ssize_t written = write(descriptor_, contents.data(), contents.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return written < 0 ? errno : ENOSPC;
      contents.remove_prefix(static_cast<std::size_t>(written));
    }
    if (fsync(descriptor_) != 0) return errno;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return close(descriptor) == 0 ? 0 : errno;
  }

  // Renames the file to `target`. Returns 0 or the error number.
  int MoveTo(const std::string& target) {
    if (rename(name_.c_str(), target.c_str()) != 0) return errno;
    name_.clear();
    return 0;
  }

 private:
  std::string name_;
  int descriptor_ = -1;
};

// The file a save replaces: the file a symbolic link names, so that the link
// stays; the name itself for anything else.
std::string ReplacedFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

// The old file's permissions, or those a newly created file gets.
mode_t NewFileMode(const std::string& target) {
  struct stat status {};
  if (stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// True iff `name` is one of `target_name`'s temporary files.
bool IsTemporaryOf(std::string_view name, std::string_view target_name) {
  return name.size() == target_name.size() + kTemporarySuffix.size() &&
         name.starts_with(target_name) && name[target_name.size()] == '.';
}

// Removes the temporary files of `target` that a killed save left behind. A
// recent one may belong to a save under way in another instance, so only
// those older than kStaleTemporaryAge go.
void RemoveStaleTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const std::string directory = DirectoryPart(target);
  const std::string target_name = NamePart(target);
  std::error_code error;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(directory.empty() ? "." : directory, error), end;
       !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!IsTemporaryOf(name, target_name) || !it->is_regular_file(error)) continue;
    const auto modified = it->last_write_time(error);
    if (!error && now - modified > std::chrono::seconds(kStaleTemporaryAge)) {
      fs::remove(it->path(), error);
    }
    error.clear();
  }
}

// Flushes `target`'s directory entry to the disk. A directory that cannot
// be flushed leaves the file replaced all the same.
void SyncDirectoryOf(const std::string& target) {
  const std::string directory = DirectoryPart(target);
  const int descriptor =
      open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  (void)fsync(descriptor);
  close(descriptor);
}

WriteFailure Failure(std::string_view step, int error) {
  return WriteFailure{step, ErrorText(error)};
}

}  // namespace

SettingsText ReadSettingsText(FileSystem& file_system, const std::string& path) {
  const PathStatus status = file_system.Examine(path);
  // A link that dangles or loops is replaced as a missing file is.
  if (status.kind == PathKind::kMissing || status.kind == PathKind::kBrokenLink) {
    const int error = status.error != 0 ? status.error : ENOENT;
    return SettingsText{ReadOutcome::kMissing, {}, ErrorText(error)};
  }
  if (status.kind != PathKind::kFile) {
    return SettingsText{ReadOutcome::kNotAFile, {}, std::string(PathKindName(status.kind))};
  }
  int error = 0;
  const std::unique_ptr<InputFile> file = file_system.OpenRead(path, &error);
  if (!file) return error == ENOENT ? SettingsText{} : Unreadable(error);
  int64_t size = 0;
  if (!file->SeekToEnd(&size) || !file->Seek(0)) return Unreadable(file_system.LastError());
  if (size > kLargestSettingsFile) return SettingsText{ReadOutcome::kTooLarge, {}, {}};

  SettingsText result{ReadOutcome::kRead, std::string(static_cast<std::size_t>(size), '\0'), {}};
  int64_t filled = 0;
  while (filled < size) {
    const int64_t count = file->Read(result.text.data() + filled, size - filled);
    if (count < 0) return Unreadable(file_system.LastError());
    if (count == 0) break;
    filled += count;
  }
  result.text.resize(static_cast<std::size_t>(filled));
  return result;
}

std::optional<WriteFailure> ReplaceFileContents(const std::string& path,
                                                std::string_view contents) {
  const std::string target = ReplacedFile(path);
  const std::string directory = DirectoryPart(target);
  std::error_code directory_error;
  if (!directory.empty()) std::filesystem::create_directories(directory, directory_error);
  if (directory_error) return WriteFailure{kCannotMakeDirectory, directory_error.message()};

  RemoveStaleTemporaries(target);
  TemporaryFile temporary(target);
  if (!temporary.IsOpen()) return Failure(kCannotCreateTemporary, errno);
  temporary.SetMode(NewFileMode(target));
  if (const int error = temporary.WriteAndClose(contents))
    return Failure(kCannotWriteTemporary, error);
  if (const int error = temporary.MoveTo(target)) return Failure(kCannotReplaceOldFile, error);
  SyncDirectoryOf(target);
  return std::nullopt;
}

}  // namespace kestrin
