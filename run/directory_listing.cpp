// Wildcard masks and the ordered listing of a directory's files.
#include "run/directory_listing.h"

#include <algorithm>

#include "run/directory_tree.h"

namespace kestrin {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int CompareWithoutCase(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char ca = static_cast<unsigned char>(Fold(a[i]));
    const unsigned char cb = static_cast<unsigned char>(Fold(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

// Matches `name` against `mask` with "*" and "?"; on a mismatch after a "*"
// the star takes one more character and the match resumes from there.
bool MatchesWildcards(std::string_view name, std::string_view mask) {
  size_t n = 0, m = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || Fold(mask[m]) == Fold(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      star = m++;
      resume = n;
    } else if (star != std::string_view::npos) {
      m = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (MatchesWildcards(name, mask)) return true;
  // A final ".*" may also match nothing, so that "*.*" lists every file
  // and "read*.*" lists "readme".
  constexpr std::string_view kAnyExtension = ".*";
  return mask.ends_with(kAnyExtension) &&
         MatchesWildcards(name, mask.substr(0, mask.size() - kAnyExtension.size()));
}

int ComparePathsWithoutCase(std::string_view a, std::string_view b) {
  for (;;) {
    const size_t a_end = a.find(kRelativePathSeparator);
    const size_t b_end = b.find(kRelativePathSeparator);
    const bool a_goes_on = a_end != std::string_view::npos;
    const bool b_goes_on = b_end != std::string_view::npos;
    if (a_goes_on != b_goes_on) return a_goes_on ? 1 : -1;
    const int by_part = CompareWithoutCase(a.substr(0, a_end), b.substr(0, b_end));
    if (by_part != 0 || !a_goes_on) return by_part;
    a.remove_prefix(a_end + 1);
    b.remove_prefix(b_end + 1);
  }
}

bool NameLess(std::string_view a, std::string_view b) {
  const int folded = ComparePathsWithoutCase(a, b);
  return folded != 0 ? folded < 0 : a < b;
}

std::vector<std::string> ListDirectory(FileSystem& fs, const std::string& directory,
                                       const std::string& mask) {
  std::vector<std::string> names = fs.ListFiles(directory);
  std::erase_if(names, [&mask](const std::string& name) { return !MatchesMask(name, mask); });
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::vector<UnusableEntry> ListUnusable(FileSystem& fs, const std::string& directory,
                                        const std::string& mask) {
  std::vector<UnusableEntry> entries = fs.ListUnusable(directory);
  std::erase_if(entries,
                [&mask](const UnusableEntry& entry) { return !MatchesMask(entry.name, mask); });
  std::sort(entries.begin(), entries.end(), [](const UnusableEntry& a, const UnusableEntry& b) {
    return NameLess(a.name, b.name);
  });
  return entries;
}

void DirectoryListing::Refresh(FileSystem& fs) {
  if (!include_subdirectories) {
    names = ListDirectory(fs, directory, mask);
    unusable = ListUnusable(fs, directory, mask);
    not_compared.clear();
    return;
  }
  TreeListing tree = ListTree(fs, directory, mask);
  names = std::move(tree.files);
  unusable.clear();
  not_compared = std::move(tree.not_compared);
}

std::optional<std::string> DirectoryListing::OnDiskName(std::string_view name) const {
  auto first = std::lower_bound(names.begin(), names.end(), name,
                                [](const std::string& listed, std::string_view wanted) {
                                  return ComparePathsWithoutCase(listed, wanted) < 0;
                                });
  if (first == names.end() || ComparePathsWithoutCase(*first, name) != 0) return std::nullopt;
  for (auto it = first; it != names.end() && ComparePathsWithoutCase(*it, name) == 0; ++it) {
    if (*it == name) return *it;
  }
  return *first;
}

}  // namespace kestrin
