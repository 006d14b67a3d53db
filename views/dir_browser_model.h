// One directory browser as plain logic: the drives (the roots of the mounted
// volumes), the directory list (the open directory D with its ancestors and
// its subdirectories, one entry H highlighted), and the files of D under a
// mask. The Dir/File Select page and the directory lookup dialog each show
// one; a single click highlights an entry, a double click opens it.
#ifndef KESTRIN_VIEWS_DIR_BROWSER_MODEL_H_
#define KESTRIN_VIEWS_DIR_BROWSER_MODEL_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "run/directory_listing.h"

namespace kestrin {

enum class DirRowKind { kAncestor, kOpen, kSubdirectory };

// One entry of the directory list.
struct DirRow {
  std::string text;  // what the entry shows: the drive root or one directory name
  std::string path;  // the directory's full path
  DirRowKind kind = DirRowKind::kSubdirectory;
  int depth = 0;  // 0 for the drive root, one more for each level below
};

// `directory` as the browser names it: absolute, without "." and ".."
// steps, and without a trailing separator unless it is a root.
std::string NormalDirectory(const std::string& directory);

class DirBrowserModel {
 public:
  // Opens the program's working directory (the root when it cannot be had).
  // `fs` must outlive the model.
  explicit DirBrowserModel(FileSystem& fs);

  // The drive selector: the mounted volumes' roots, in the order given, and
  // after them the root of an opened directory that lies on none of them.
  void SetDrives(std::vector<std::string> roots);
  const std::vector<std::string>& Drives() const { return drives_; }
  // The drive holding the open directory: the longest root that contains it.
  const std::string& Drive() const { return drive_; }
  // Opens the root of drive `index`. False when it is no directory now.
  bool OpenDrive(int index);

  // Opens `directory` (made absolute and without trailing separators): lists
  // its ancestors and subdirectories, highlights it and lists its files.
  // False, changing nothing, when it is not an existing directory.
  bool Open(const std::string& directory);
  // A double click on entry `row`. False when that directory cannot be
  // opened; the list is then read again from what is there now.
  bool OpenEntry(int row);
  // Reads the open directory again; when it has gone, opens its nearest
  // existing ancestor.
  void Reload();

  // D: the full path of the open directory.
  const std::string& OpenDirectory() const { return open_; }
  const std::vector<DirRow>& Rows() const { return rows_; }
  int OpenRow() const { return open_row_; }
  // The highlighted entry (0-based); -1 when none is.
  int Highlighted() const { return highlighted_; }
  void Highlight(int row);
  // H: the highlighted entry's text; the open directory's when none is
  // highlighted.
  const std::string& HighlightedEntry() const;
  // The full path of H.
  const std::string& HighlightedPath() const;
  // True iff H is the open directory D itself.
  bool HighlightedIsOpen() const;

  // The file list: the names of D's files under the mask, in NameLess order;
  // with subdirectories included, the files of D's whole tree by their paths
  // relative to D ("sub/a.txt"), as a directory compare pairs them.
  void SetMask(const std::string& mask);
  void IncludeSubdirectories(bool included);
  const std::string& Mask() const { return mask_; }
  const std::vector<std::string>& Files() const { return files_; }
  // The highlighted file (0-based); -1 when none is.
  int HighlightedFile() const { return highlighted_file_; }
  void HighlightFile(int row);
  // Highlights the listed file that `name` names (its exact spelling first,
  // else the first equal without regard to case). False when none is.
  bool HighlightFileNamed(std::string_view name);
  // The highlighted file's name and full path; empty when none is.
  std::string HighlightedFileName() const;
  std::string HighlightedFilePath() const;

 private:
  void ListRows();
  void ListFiles();
  const DirRow& HighlightedRow() const;

  FileSystem& fs_;
  std::vector<std::string> drives_;
  std::string drive_;
  std::string open_;
  std::vector<DirRow> rows_;
  int open_row_ = 0;
  int highlighted_ = -1;
  std::string mask_ = kAllFilesMask;
  bool include_subdirectories_ = false;
  std::vector<std::string> files_;
  int highlighted_file_ = -1;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DIR_BROWSER_MODEL_H_
