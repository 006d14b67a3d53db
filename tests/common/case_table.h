// Case tables kept in data files beside the tests: one case a line, its
// fields separated by '|', '#' starting a comment line. Each failure inside
// a case's scope names the file and line the case came from.
#ifndef KESTRIN_TESTS_COMMON_CASE_TABLE_H_
#define KESTRIN_TESTS_COMMON_CASE_TABLE_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrin::testkit {

// One line of a table. A field is trimmed of the blanks around it unless it
// is written in double quotes; inside a field \n \r \t \\ \| \" and \xHH
// stand for their characters.
struct TableCase {
  std::string file;  // relative to the source tree
  int line = 0;
  std::vector<std::string> fields;

  // The field at `index`; fails the test (and gives "") when the line has
  // fewer fields.
  const std::string& operator[](size_t index) const;
  int64_t Number(size_t index) const { return std::stoll((*this)[index]); }
  // "yes" or "no".
  bool Flag(size_t index) const;
  // "file:line", for a failure message.
  std::string Where() const { return file + ":" + std::to_string(line); }
};

// Every case of the table at `path` (relative to the source tree); fails the
// test when the file cannot be read or holds no case.
std::vector<TableCase> ReadCaseTable(const std::string& path);

// Names the case in every failure while it lives.
struct CaseScope : testing::ScopedTrace {
  explicit CaseScope(const TableCase& c) : ScopedTrace(c.file.c_str(), c.line, "case") {}
};

// Runs `check` on every case of the table at `path`, each inside its scope.
template <typename Check>
void ForEachCase(const std::string& path, const Check& check) {
  for (const TableCase& c : ReadCaseTable(path)) {
    const CaseScope scope(c);
    check(c);
  }
}

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_CASE_TABLE_H_
