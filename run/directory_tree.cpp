// The walk down a directory tree for compares that include subdirectories.
#include "run/directory_tree.h"

#include <algorithm>
#include <system_error>

#include "engine/path.h"
#include "run/directory_listing.h"
#include "run/run_texts.h"

namespace kestrin {
namespace {

static_assert(kMaxTreeDepth == 64 && kMaxRelativePathLength == 1024,
              "the reasons in run_texts.h name the limits");

// `name` inside the relative directory `parent` ("" for the run directory).
std::string RelativeChild(const std::string& parent, const std::string& name) {
  return parent.empty() ? name : parent + kRelativePathSeparator + name;
}

class TreeWalk {
 public:
  TreeWalk(FileSystem& fs, const std::string& root, const std::string& mask)
      : fs_(fs), root_(root), mask_(mask) {}

  TreeListing Walk() {
    Enter("", 0);
    std::sort(listing_.files.begin(), listing_.files.end(), PathLess);
    return std::move(listing_);
  }

 private:
  // Lists the directory at `relative` (level `depth`) and enters its
  // subdirectories in order.
  void Enter(const std::string& relative, int depth) {
    DirectoryEntries entries =
        fs_.ReadDirectory(relative.empty() ? root_ : JoinPath(root_, relative));
    if (entries.error != 0) {
      if (!relative.empty()) NotCompared(relative, std::generic_category().message(entries.error));
      return;
    }
    for (const std::string& name : entries.files) {
      if (MatchesMask(name, mask_)) AddFile(RelativeChild(relative, name));
    }
    std::sort(entries.broken_links.begin(), entries.broken_links.end());
    for (const auto& [name, reason] : entries.broken_links) {
      if (MatchesMask(name, mask_)) NotCompared(RelativeChild(relative, name), reason);
    }
    std::sort(entries.directory_links.begin(), entries.directory_links.end(), NameLess);
    for (const std::string& name : entries.directory_links) {
      NotCompared(RelativeChild(relative, name), kDirectoryLinkReason);
    }
    std::sort(entries.subdirectories.begin(), entries.subdirectories.end(), NameLess);
    for (const std::string& name : entries.subdirectories) {
      const std::string child = RelativeChild(relative, name);
      if (child.size() > kMaxRelativePathLength) {
        NotCompared(child, kPathTooLongReason);
      } else if (depth + 1 > kMaxTreeDepth) {
        NotCompared(child, kTooDeepReason);
      } else {
        Enter(child, depth + 1);
      }
    }
  }

  void AddFile(std::string relative) {
    if (relative.size() > kMaxRelativePathLength) {
      NotCompared(std::move(relative), kPathTooLongReason);
    } else {
      listing_.files.push_back(std::move(relative));
    }
  }

  void NotCompared(std::string relative, std::string reason) {
    listing_.not_compared.push_back({std::move(relative), std::move(reason)});
  }

  FileSystem& fs_;
  const std::string& root_;
  const std::string& mask_;
  TreeListing listing_;
};

}  // namespace

TreeListing ListTree(FileSystem& fs, const std::string& directory, const std::string& mask) {
  return TreeWalk(fs, directory, mask).Walk();
}

}  // namespace kestrin
