// Like-named files of two directory listings: names equal without regard to
// case form one pair, and each side keeps its own on-disk spelling. The
// names may be relative paths of two trees, like without regard to case in
// every part.
#ifndef KESTRIN_RUN_LIKE_NAMES_H_
#define KESTRIN_RUN_LIKE_NAMES_H_

#include <functional>
#include <string>
#include <vector>

namespace kestrin {

// The two on-disk names one compare opens.
struct NamePair {
  std::string new_name;
  std::string old_name;
};

// Called for each distinct old name with its counter (1 for the first) and
// the number of distinct old names.
using OldNameVisit = std::function<void(int counter, int old_name_count)>;

// The like-named pairs of two listings in NameLess order, one pair per name
// (without regard to case), in ascending order. When a directory holds
// several names that differ only in case, the pair takes a spelling found on
// both sides when there is one, otherwise the first of each side; the other
// spellings stay unpaired. `visit` sees every distinct old name.
std::vector<NamePair> PairLikeNames(const std::vector<std::string>& new_names,
                                    const std::vector<std::string>& old_names,
                                    const OldNameVisit& visit = nullptr);

}  // namespace kestrin

#endif  // KESTRIN_RUN_LIKE_NAMES_H_
