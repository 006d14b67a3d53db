// The --secondary file: the Secondary list of a side-by-side report. It is
// never written over one of the compared files, and never in place, so that
// a refused or failed write leaves the old file whole.
#ifndef KESTRIN_CLI_BATCH_SECONDARY_H_
#define KESTRIN_CLI_BATCH_SECONDARY_H_

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

// True iff `secondary` names one of `compared`: the same name, or the same
// file under another name (a link, a relative name).
bool NamesComparedFile(const std::string& secondary, const std::vector<std::string>& compared);

// The Secondary list on its way to its file: lines go to a temporary file
// beside it, made at the first line, which Place renames over the file (a
// symbolic link there is replaced, not followed). Until then the named file
// stays as it was; a temporary file never placed is removed.
class SecondaryFile {
 public:
  explicit SecondaryFile(std::string path);
  ~SecondaryFile();
  SecondaryFile(const SecondaryFile&) = delete;
  SecondaryFile& operator=(const SecondaryFile&) = delete;

  // Writes `line` and a line feed.
  void Write(std::string_view line);
  // Makes the named file hold the lines written (none makes it empty).
  // Returns false, and leaves the named file as it was, when that fails.
  bool Place();

 private:
  void Open();

  std::string path_;
  std::string temporary_;  // empty until the first line, or when it could not be made
  bool opened_ = false;
  std::ofstream file_;
};

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_SECONDARY_H_
