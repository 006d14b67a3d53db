// The directory browser: drives, the directory list around the open
// directory, the highlighted entry and the file list.
#include "views/dir_browser_model.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/path.h"
#include "run/directory_tree.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

// True iff `directory` is `root` or lies below it.
bool Contains(const std::string& root, const std::string& directory) {
  if (!directory.starts_with(root)) return false;
  return directory.size() == root.size() || IsPathSeparator(root.back()) ||
         IsPathSeparator(directory[root.size()]);
}

// The names of the subdirectories of `directory` in NameLess order. The
// file-system layer lists files only; the browser is the one place that
// needs directories, so it reads them here. An unreadable directory has none.
std::vector<std::string> Subdirectories(const std::string& directory) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entry(directory, fs::directory_options::skip_permission_denied, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code type_error;
    if (entry->is_directory(type_error)) names.push_back(entry->path().filename().string());
  }
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

// The directory's path pieces below `root`, in order.
std::vector<std::string> PiecesBelow(const std::string& root, const std::string& directory) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : std::string_view(directory).substr(root.size())) {
    if (!IsPathSeparator(c)) {
      piece += c;
    } else if (!piece.empty()) {
      pieces.push_back(std::exchange(piece, {}));
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

}  // namespace

std::string NormalDirectory(const std::string& directory) {
  std::error_code error;
  fs::path path = fs::absolute(fs::path(directory), error);
  if (error) path = fs::path(directory);
  path = path.lexically_normal();
  if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
  return path.string();
}

DirBrowserModel::DirBrowserModel(FileSystem& fs) : fs_(fs) {
  std::error_code error;
  const fs::path working = fs::current_path(error);
  const std::string root = error ? std::string("/") : working.root_path().string();
  if (error || !Open(working.string())) {
    if (!Open(root)) {
      open_ = root;
      ListRows();
    }
  }
}

void DirBrowserModel::SetDrives(std::vector<std::string> roots) {
  drives_.clear();
  for (const std::string& root : roots) {
    if (!root.empty()) drives_.push_back(NormalDirectory(root));
  }
  ListRows();
}

bool DirBrowserModel::OpenDrive(int index) {
  if (index < 0 || static_cast<size_t>(index) >= drives_.size()) return false;
  if (Open(drives_[index])) return true;
  Reload();
  return false;
}

bool DirBrowserModel::Open(const std::string& directory) {
  if (directory.empty()) return false;
  const std::string normal = NormalDirectory(directory);
  if (!fs_.IsDirectory(normal)) return false;
  open_ = normal;
  ListRows();
  ListFiles();
  return true;
}

bool DirBrowserModel::OpenEntry(int row) {
  if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return false;
  if (Open(rows_[row].path)) return true;
  Reload();
  return false;
}

void DirBrowserModel::Reload() {
  fs::path directory(open_);
  while (!fs_.IsDirectory(directory.string()) && directory.has_relative_path()) {
    directory = directory.parent_path();
  }
  open_ = directory.string();
  ListRows();
  ListFiles();
}

void DirBrowserModel::ListRows() {
  drive_.clear();
  for (const std::string& root : drives_) {
    if (Contains(root, open_) && root.size() > drive_.size()) drive_ = root;
  }
  if (drive_.empty()) {
    // A directory outside every listed volume still has its root as a drive.
    drive_ = fs::path(open_).root_path().string();
    drives_.push_back(drive_);
  }
  rows_.clear();
  rows_.push_back({drive_, drive_, DirRowKind::kAncestor, 0});
  for (std::string& piece : PiecesBelow(drive_, open_)) {
    const std::string path = JoinPath(rows_.back().path, piece);
    rows_.push_back({std::move(piece), path, DirRowKind::kAncestor, rows_.back().depth + 1});
  }
  rows_.back().kind = DirRowKind::kOpen;
  open_row_ = static_cast<int>(rows_.size()) - 1;
  highlighted_ = open_row_;
  const int depth = rows_.back().depth + 1;
  for (std::string& name : Subdirectories(open_)) {
    const std::string path = JoinPath(open_, name);
    rows_.push_back({std::move(name), path, DirRowKind::kSubdirectory, depth});
  }
}

void DirBrowserModel::Highlight(int row) {
  highlighted_ = row >= 0 && static_cast<size_t>(row) < rows_.size() ? row : -1;
}

const DirRow& DirBrowserModel::HighlightedRow() const {
  return rows_[highlighted_ >= 0 ? highlighted_ : open_row_];
}

const std::string& DirBrowserModel::HighlightedEntry() const { return HighlightedRow().text; }

const std::string& DirBrowserModel::HighlightedPath() const { return HighlightedRow().path; }

bool DirBrowserModel::HighlightedIsOpen() const {
  return highlighted_ < 0 || highlighted_ == open_row_;
}

void DirBrowserModel::SetMask(const std::string& mask) {
  mask_ = mask.empty() ? kAllFilesMask : mask;
  ListFiles();
}

void DirBrowserModel::IncludeSubdirectories(bool included) {
  if (included == include_subdirectories_) return;
  include_subdirectories_ = included;
  ListFiles();
}

void DirBrowserModel::ListFiles() {
  files_ = include_subdirectories_ ? ListTree(fs_, open_, mask_).files
                                   : ListDirectory(fs_, open_, mask_);
  highlighted_file_ = -1;
}

void DirBrowserModel::HighlightFile(int row) {
  highlighted_file_ = row >= 0 && static_cast<size_t>(row) < files_.size() ? row : -1;
}

bool DirBrowserModel::HighlightFileNamed(std::string_view name) {
  auto found = std::find(files_.begin(), files_.end(), name);
  if (found == files_.end()) {
    found = std::find_if(files_.begin(), files_.end(), [name](const std::string& file) {
      return CompareWithoutCase(file, name) == 0;
    });
  }
  HighlightFile(found == files_.end() ? -1 : static_cast<int>(found - files_.begin()));
  return highlighted_file_ >= 0;
}

std::string DirBrowserModel::HighlightedFileName() const {
  return highlighted_file_ >= 0 ? files_[highlighted_file_] : std::string();
}

std::string DirBrowserModel::HighlightedFilePath() const {
  return highlighted_file_ >= 0 ? JoinPath(open_, files_[highlighted_file_]) : std::string();
}

}  // namespace kestrin
