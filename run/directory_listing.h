// The file names of a directory under a wildcard mask, and one side's
// listing as the pair dialogs hold it.
#ifndef KESTRIN_RUN_DIRECTORY_LISTING_H_
#define KESTRIN_RUN_DIRECTORY_LISTING_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "report/directory_run_info.h"

namespace kestrin {

inline constexpr char kAllFilesMask[] = "*.*";

// True iff `name` matches `mask`: "*" stands for any run of characters, "?"
// for any one character, other characters match themselves without regard
// to case. "*.*" matches every name, with or without a dot.
bool MatchesMask(std::string_view name, std::string_view mask);

// Compares two names without regard to case: <0, 0 or >0.
int CompareWithoutCase(std::string_view a, std::string_view b);

// Between the parts of a path relative to a run directory ("sub/deep/c.txt"),
// whatever the platform's own separator.
inline constexpr char kRelativePathSeparator = '/';

// Compares two relative paths part by part without regard to case: <0, 0 or
// >0. Where one path goes on into a subdirectory and the other names a file,
// the file comes first, so a directory's files precede its subdirectories'.
// For two plain names it is CompareWithoutCase.
int ComparePathsWithoutCase(std::string_view a, std::string_view b);

// Orders names, or relative paths, ascending by ComparePathsWithoutCase;
// names equal but for case keep a fixed order by their bytes.
bool NameLess(std::string_view a, std::string_view b);
// The same order, under the name that says it takes relative paths.
inline bool PathLess(std::string_view a, std::string_view b) { return NameLess(a, b); }

// The file names (never subdirectories) of `directory` that match `mask`, in
// NameLess order. An unreadable or missing directory lists as empty.
std::vector<std::string> ListDirectory(FileSystem& fs, const std::string& directory,
                                       const std::string& mask);

// The entries of `directory` matching `mask` that cannot be compared (links
// that dangle or loop, names whose type cannot be found), in NameLess order.
std::vector<UnusableEntry> ListUnusable(FileSystem& fs, const std::string& directory,
                                        const std::string& mask);

// One side's listing: a directory, its mask and the names found there; with
// subdirectories included, the relative paths of the whole tree.
struct DirectoryListing {
  std::string directory;
  std::string mask = kAllFilesMask;
  std::vector<std::string> names;  // on-disk names (or relative paths) in NameLess order
  std::vector<UnusableEntry> unusable = {};  // entries left out, with their reasons
  bool include_subdirectories = false;
  // With subdirectories included: what below `directory` was not listed, and why.
  std::vector<NotComparedEntry> not_compared = {};

  // Lists `directory` under `mask` again.
  void Refresh(FileSystem& fs);
  // True iff a listed name equals `name` without regard to case.
  bool Holds(std::string_view name) const { return OnDiskName(name).has_value(); }
  // The listed name that `name` stands for, compared without regard to case:
  // the name spelled exactly as `name` when listed, otherwise the first
  // listed one. Empty when none matches.
  std::optional<std::string> OnDiskName(std::string_view name) const;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_DIRECTORY_LISTING_H_
