// Reading the case tables of the tests.
#include "tests/common/case_table.h"

#include <cstdlib>
#include <sstream>

#include "engine/path.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::testkit {
namespace {

constexpr char kSeparator = '|';

// Turns the escapes of a field into the characters they stand for.
std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char code = text[++i];
    if (code == 'x' && i + 2 < text.size()) {
      out += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      out += code == 'n' ? '\n' : code == 'r' ? '\r' : code == 't' ? '\t' : code;
    }
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::string inner = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (inner.size() >= 2 && inner.front() == '"' && inner.back() == '"') {
    return inner.substr(1, inner.size() - 2);
  }
  return inner;
}

// Splits at each separator that no backslash escapes.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) {
      fields.back() += line.substr(i++, 2);
    } else if (line[i] == kSeparator) {
      fields.emplace_back();
    } else {
      fields.back() += line[i];
    }
  }
  for (std::string& field : fields) field = Unescape(Trimmed(field));
  return fields;
}

}  // namespace

const std::string& TableCase::operator[](size_t index) const {
  static const std::string kMissing;
  if (index < fields.size()) return fields[index];
  ADD_FAILURE_AT(file.c_str(), line) << "no field " << index;
  return kMissing;
}

int64_t TableCase::Number(size_t index) const { return std::stoll((*this)[index]); }

bool TableCase::Flag(size_t index) const {
  const std::string& field = (*this)[index];
  if (field != "yes" && field != "no")
    ADD_FAILURE_AT(file.c_str(), line) << "not yes/no: " << field;
  return field == "yes";
}

std::string TableCase::Where() const { return file + ":" + std::to_string(line); }

std::vector<TableCase> ReadCaseTable(const std::string& path) {
  std::istringstream in(ReadFile(JoinPath(KESTRIN_SOURCE_DIR, path)));
  std::vector<TableCase> cases;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.find_first_not_of(' ') == std::string::npos || Trimmed(line).front() == '#') continue;
    cases.push_back({path, number, Fields(line)});
  }
  EXPECT_FALSE(cases.empty()) << "no case in " << path;
  return cases;
}

}  // namespace kestrin::testkit
