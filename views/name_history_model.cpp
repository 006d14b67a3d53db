// The history rules of a name field.
#include "views/name_history_model.h"

#include <algorithm>

namespace kestrin {

bool NameHistoryModel::Contains(const std::string& text) const {
  return std::find(entries_.begin(), entries_.end(), text) != entries_.end();
}

void NameHistoryModel::InsertTop(const std::string& text) {
  entries_.insert(entries_.begin(), text);
}

bool NameHistoryModel::AddIfMissing(const std::string& text) {
  if (text.empty()) return false;
  return AddCurrentIfMissing(text);
}

bool NameHistoryModel::AddCurrentIfMissing(const std::string& text) {
  if (Contains(text)) return false;
  InsertTop(text);
  return true;
}

bool NameHistoryModel::PromoteFile(const std::string& text, bool names_file) {
  if (!names_file) return false;
  if (!entries_.empty() && entries_.front() == text) return false;
  std::erase(entries_, text);
  InsertTop(text);
  return true;
}

}  // namespace kestrin
