// Pairing of like-named files by one merge walk over two ordered listings.
#include "run/like_names.h"

#include <algorithm>
#include <cassert>

#include "engine/path.h"
#include "run/directory_listing.h"

namespace kestrin {
namespace {

// The names of a listing that equal each other without regard to case.
struct NameGroup {
  std::vector<std::string>::const_iterator begin;
  std::vector<std::string>::const_iterator end;
  std::string key;  // the lowercased name
};

// The names from `at` on that share its lowercased form.
NameGroup GroupAt(std::vector<std::string>::const_iterator at,
                  std::vector<std::string>::const_iterator last) {
  NameGroup group{at, at, LowerAscii(*at)};
  while (group.end != last && LowerAscii(*group.end) == group.key) ++group.end;
  return group;
}

// The pair of two groups with the same lowercased form.
NamePair PairOf(const NameGroup& new_group, const NameGroup& old_group) {
  for (auto it = new_group.begin; it != new_group.end; ++it) {
    if (std::find(old_group.begin, old_group.end, *it) != old_group.end) return {*it, *it};
  }
  return {*new_group.begin, *old_group.begin};
}

int CountGroups(const std::vector<std::string>& names) {
  int count = 0;
  for (auto it = names.begin(); it != names.end(); it = GroupAt(it, names.end()).end) ++count;
  return count;
}

}  // namespace

std::vector<NamePair> PairLikeNames(const std::vector<std::string>& new_names,
                                    const std::vector<std::string>& old_names,
                                    const OldNameVisit& visit) {
  assert(std::is_sorted(new_names.begin(), new_names.end(), NameLess));
  assert(std::is_sorted(old_names.begin(), old_names.end(), NameLess));
  const int old_count = visit ? CountGroups(old_names) : 0;
  std::vector<NamePair> pairs;
  auto new_at = new_names.begin();
  int counter = 0;
  for (auto old_at = old_names.begin(); old_at != old_names.end();) {
    const NameGroup old_group = GroupAt(old_at, old_names.end());
    old_at = old_group.end;
    if (visit) visit(++counter, old_count);
    // Both listings are in NameLess order, so the new side only moves on.
    while (new_at != new_names.end() && ComparePathsWithoutCase(*new_at, old_group.key) < 0) {
      ++new_at;
    }
    if (new_at == new_names.end()) continue;
    const NameGroup new_group = GroupAt(new_at, new_names.end());
    if (new_group.key == old_group.key) pairs.push_back(PairOf(new_group, old_group));
  }
  return pairs;
}

}  // namespace kestrin
