// The rows of a dialog list that its buttons act on, and a list kept as the
// settings file stores a selection.
#ifndef KESTRIN_RUN_LIST_ROWS_H_
#define KESTRIN_RUN_LIST_ROWS_H_

#include <string>
#include <vector>

namespace kestrin {

// Removes the highlighted `rows` (0-based, in any order; rows outside the
// list and repeats are ignored) from `list`, from the last to the first, and
// returns their entries in that order. Empty when no row was highlighted.
std::vector<std::string> TakeRows(std::vector<std::string>& list, std::vector<int> rows);

// Each entry of `list` followed by `end`: "a.txt;b.txt;".
std::string JoinSelection(const std::vector<std::string>& list, char end);

// The non-empty pieces of a saved selection cut at each `end`.
std::vector<std::string> SplitSelection(const std::string& text, char end);

}  // namespace kestrin

#endif  // KESTRIN_RUN_LIST_ROWS_H_
