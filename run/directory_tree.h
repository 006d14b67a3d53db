// The files of a directory and of every subdirectory below it, each named by
// its path relative to the directory with "/" between the parts.
#ifndef KESTRIN_RUN_DIRECTORY_TREE_H_
#define KESTRIN_RUN_DIRECTORY_TREE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "report/directory_run_info.h"

namespace kestrin {

// The deepest subdirectory level entered: the files of the run directory are
// at level 0, those of "a/b" at level 2. Deeper trees are almost always link farms or
// generated, and the limit keeps the walk's own recursion bounded.
inline constexpr int kMaxTreeDepth = 64;
// The longest relative path listed. With the run directory in front it stays
// within the platform's 4096-byte path limit for any usual run directory.
inline constexpr size_t kMaxRelativePathLength = 1024;

// What a walk down a tree found.
struct TreeListing {
  // Relative paths of the files matching the mask, in PathLess order.
  std::vector<std::string> files;
  // Subdirectories not entered and links not followed, in walk order, each
  // with the reason: unreadable, too deep, path too long, a link to a
  // directory, a dangling link or a link loop.
  std::vector<NotComparedEntry> not_compared;
};

// Lists the files below `directory` whose name part matches `mask`; every
// subdirectory is entered whatever its name, links to directories never.
// The walk goes directory by directory, names in PathLess order, so the
// result is the same at every run. An unreadable run directory lists as
// empty, as ListDirectory does.
TreeListing ListTree(FileSystem& fs, const std::string& directory, const std::string& mask);

}  // namespace kestrin

#endif  // KESTRIN_RUN_DIRECTORY_TREE_H_
