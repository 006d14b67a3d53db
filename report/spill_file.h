// The temporary file a large report's text moves to, and the removal of such
// files left behind by earlier runs that ended without removing theirs.
#ifndef KESTRIN_REPORT_SPILL_FILE_H_
#define KESTRIN_REPORT_SPILL_FILE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace kestrin {

// A file only this process reads and writes, removed when the object goes.
// Bytes are only ever added at its end.
class SpillFile {
 public:
  // Makes a new, empty file in `directory`, named after this process (never
  // one that already exists, readable and writable by its owner only).
  // Returns null when it cannot be made.
  static std::unique_ptr<SpillFile> Create(const std::string& directory);

  SpillFile(const SpillFile&) = delete;
  SpillFile& operator=(const SpillFile&) = delete;
  // Closes and removes the file.
  ~SpillFile();

  // Adds `size` bytes at the end. Returns true iff all were written; on
  // false the next bytes are added where these would have gone.
  bool Append(const char* data, size_t size);
  // Reads `size` bytes from `offset`, which with `size` lies within the bytes
  // appended. Returns true iff all were read.
  bool ReadAt(uint64_t offset, char* buffer, size_t size) const;
  const std::string& Path() const { return path_; }

 private:
  SpillFile(int descriptor, std::string path) : descriptor_(descriptor), path_(std::move(path)) {}

  int descriptor_;
  std::string path_;
  uint64_t size_ = 0;  // the bytes appended so far
};

// Where spill files go: $XDG_RUNTIME_DIR when set, else $TMPDIR, else /tmp.
std::string SpillDirectory();

// Removes from `directory` the spill files of processes that no longer run,
// and nothing else. Returns how many it removed.
int RemoveStaleSpillFiles(const std::string& directory);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_SPILL_FILE_H_
