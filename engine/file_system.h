// The one layer through which Kestrin touches files and directories, so that
// tests can swap in faults and the rest of the code stays portable.
#ifndef KESTRIN_ENGINE_FILE_SYSTEM_H_
#define KESTRIN_ENGINE_FILE_SYSTEM_H_

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kestrin {

// An input file opened read-only, shared with other readers and writers.
class InputFile {
 public:
  virtual ~InputFile() = default;

  // Stores the file's length in *size and moves the read position to its
  // end. Returns false (and sets the last error number) when that fails.
  virtual bool SeekToEnd(int64_t* size) = 0;
  // Moves the read position to `offset` bytes from the start.
  virtual bool Seek(int64_t offset) = 0;
  // Reads up to `count` bytes into `buffer`. Returns the bytes read, 0 at the
  // end of the file, or -1 on a read error.
  virtual int64_t Read(char* buffer, int64_t count) = 0;
  // The file's last-modified time (as of its opening, for a regular file) as
  // one packed value: equal values mean equal dates and times.
  virtual int64_t ModifiedTime() = 0;
};

// What a name stands for, symbolic links followed.
enum class PathKind {
  kFile,        // a regular file
  kDirectory,
  kPipe,        // a named pipe (FIFO)
  kSocket,
  kDevice,      // a character or block device
  kBrokenLink,  // a symbolic link that dangles or loops
  kMissing,     // no such name, or one whose type cannot be found
};

struct PathStatus {
  PathKind kind = PathKind::kMissing;
  // The system's error number: why a broken link or a missing name cannot be
  // followed, or why a directory cannot be read; 0 for a readable directory
  // and for the other kinds.
  int error = 0;
};

// A directory entry that cannot be compared: a link that dangles or loops, a
// name whose type cannot be found, or a named pipe, socket or device.
struct UnusableEntry {
  std::string name;    // no directory part
  std::string reason;  // in words: "No such file or directory", "named pipe, not a regular file"
};

// One directory's entries as a walk down a tree needs them.
struct DirectoryEntries {
  std::vector<std::string> files;           // as ListFiles gives them
  std::vector<std::string> subdirectories;  // real directories, never links to one
  std::vector<std::string> directory_links;  // links to directories, not followed
  // Dangling links, link loops, named pipes, sockets and devices, each with
  // the reason in words ("No such file or directory").
  std::vector<std::pair<std::string, std::string>> broken_links;
  int error = 0;  // the error number when the directory could not be read
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens `path` for reading. On failure returns null and stores the
  // platform's error number in *error.
  virtual std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) = 0;
  // True iff `path` names an existing file that is not a directory (on this
  // platform: a regular file, symbolic links followed).
  virtual bool IsFile(const std::string& path) = 0;
  // True iff `path` names an existing directory.
  virtual bool IsDirectory(const std::string& path) = 0;
  // What `path` names, for telling a user why it cannot be compared; a
  // directory is opened to learn whether it can be read, a file is not
  // opened. A file system without links or special files need not override
  // it: it is found through IsFile, IsDirectory and ReadDirectory.
  virtual PathStatus Examine(const std::string& path);
  // The names (no directory part) of the files, never subdirectories, of a
  // directory, in no particular order. An unreadable directory has none.
  virtual std::vector<std::string> ListFiles(const std::string& directory) = 0;
  // The entries of a directory that ListFiles leaves out because they cannot
  // be compared (never subdirectories), in no particular order. A file
  // system that cannot tell has none.
  virtual std::vector<UnusableEntry> ListUnusable(const std::string& directory) {
    static_cast<void>(directory);
    return {};
  }
  // The files, subdirectories and links of `directory`, in no particular
  // order, without following a link to a directory. A file system without
  // subdirectories need not override it: it gives ListFiles' names.
  virtual DirectoryEntries ReadDirectory(const std::string& directory) {
    return {ListFiles(directory), {}, {}, {}, 0};
  }
  // The directory holding the running program.
  virtual std::string ExecutableDirectory() = 0;
  // The last error number of a failed call of this thread.
  virtual int LastError() = 0;
  // True iff two threads may call it at once, so that a run may read its
  // coming files ahead.
  virtual bool ThreadSafe() const { return false; }
};

// The real file system of this platform.
FileSystem& DefaultFileSystem();

// The system's reason for error number `error`, in words ("Permission
// denied").
std::string ErrorReason(int error);

// A packed modified time as text in the system's short date and long time
// form (the C library's %x and %X of the current locale).
std::string FormatFileTime(int64_t packed_time);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_FILE_SYSTEM_H_
