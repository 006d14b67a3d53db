// Highlighted rows and saved selection texts.
#include "run/list_rows.h"

#include <algorithm>
#include <functional>

namespace kestrin {

std::vector<std::string> TakeRows(std::vector<std::string>& list, std::vector<int> rows) {
  std::erase_if(rows,
                [&list](int row) { return row < 0 || static_cast<size_t>(row) >= list.size(); });
  std::sort(rows.begin(), rows.end(), std::greater<int>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<std::string> taken;
  for (int row : rows) {
    taken.push_back(std::move(list[row]));
    list.erase(list.begin() + row);
  }
  return taken;
}

std::string JoinSelection(const std::vector<std::string>& list, char end) {
  std::string text;
  for (const std::string& entry : list) {
    text += entry;
    text += end;
  }
  return text;
}

std::vector<std::string> SplitSelection(const std::string& text, char end) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t stop = text.find(end, start);
    if (stop == std::string::npos) stop = text.size();
    if (stop > start) pieces.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return pieces;
}

}  // namespace kestrin
