// The report's stored lines as plain lists of strings and back, for building
// reports and comparing them in tests.
#ifndef KESTRIN_TESTS_COMMON_LINE_LISTS_H_
#define KESTRIN_TESTS_COMMON_LINE_LISTS_H_

#include <string>
#include <vector>

#include "report/stored_lines.h"

namespace kestrin {

inline std::vector<std::string> LinesOf(const StoredLines& stored) {
  return {stored.begin(), stored.end()};
}

inline StoredLines StoredOf(const std::vector<std::string>& lines) {
  StoredLines stored;
  for (const std::string& line : lines) stored.push_back(line);
  return stored;
}

}  // namespace kestrin

#endif  // KESTRIN_TESTS_COMMON_LINE_LISTS_H_
