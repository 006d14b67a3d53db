// Reading the case tables of the tests.
#include "tests/common/case_table.h"

#include <cstdlib>
#include <sstream>

#include "engine/path.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::testkit {
namespace {

constexpr char kSeparator = '|';

// One field as written between separators: trimmed of blanks unless written
// in double quotes, its escapes turned into the characters they stand for.
std::string FieldOf(std::string raw) {
  const size_t first = raw.find_first_not_of(' ');
  raw = first == std::string::npos ? "" : raw.substr(first, raw.find_last_not_of(' ') - first + 1);
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
    raw = raw.substr(1, raw.size() - 2);
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char code = raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : '\0';
    if (code == 'x' && i + 2 < raw.size()) {
      out += static_cast<char>(std::strtol(raw.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += code == '\0'  ? raw[i]
             : code == 'n' ? '\n'
             : code == 'r' ? '\r'
             : code == 't' ? '\t'
                           : code;
    }
  }
  return out;
}

// Splits at each separator that no backslash escapes.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == kSeparator) {
      fields.back() = FieldOf(fields.back());
      fields.emplace_back();
    } else {
      fields.back() += line.substr(i, line[i] == '\\' && i + 1 < line.size() ? 2 : 1);
      if (line[i] == '\\') ++i;
    }
  }
  fields.back() = FieldOf(fields.back());
  return fields;
}

}  // namespace

const std::string& TableCase::operator[](size_t index) const {
  static const std::string kMissing;
  if (index < fields.size()) return fields[index];
  ADD_FAILURE_AT(file.c_str(), line) << "no field " << index;
  return kMissing;
}

bool TableCase::Flag(size_t index) const {
  const std::string& field = (*this)[index];
  if (field != "yes" && field != "no")
    ADD_FAILURE_AT(file.c_str(), line) << "not yes/no: " << field;
  return field == "yes";
}

std::vector<TableCase> ReadCaseTable(const std::string& path) {
  std::istringstream in(ReadFile(JoinPath(KESTRIN_SOURCE_DIR, path)));
  std::vector<TableCase> cases;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '#') continue;
    cases.push_back({path, number, Fields(line)});
  }
  EXPECT_FALSE(cases.empty()) << "no case in " << path;
  return cases;
}

}  // namespace kestrin::testkit
