// Line-level reading and rewriting of a settings file's sections.
#include "settings/ini_text.h"

#include <optional>

namespace kestrin {
namespace {

constexpr std::string_view kBlanks = " \t\r";

char FoldedAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The lines of `text`, each without its LF; a final LF does not start another line.
std::vector<std::string_view> RawLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(kIniLineEnd, start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The name of the section a header line opens ("[Kestrin]" gives Kestrin);
// nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trimmed(trimmed.substr(1, close - 1));
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == kIniCarriageReturn) line.remove_suffix(1);
  return line;
}

bool EndsWithBlankLine(const std::string& text) {
  return text.size() >= 2 && text[text.size() - 1] == kIniLineEnd &&
         text[text.size() - 2] == kIniLineEnd;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldedAscii(a[i]) != FoldedAscii(b[i])) return false;
  }
  return true;
}

std::vector<std::string_view> SectionLines(std::string_view text, std::string_view section) {
  std::vector<std::string_view> lines;
  bool inside = false;
  for (std::string_view line : RawLines(text)) {
    if (const std::optional<std::string_view> name = HeaderName(line)) {
      inside = EqualIgnoringCase(*name, section);
    } else if (inside) {
      lines.push_back(WithoutCarriageReturn(line));
    }
  }
  return lines;
}

bool HasSection(std::string_view text, std::string_view section) {
  for (std::string_view line : RawLines(text)) {
    const std::optional<std::string_view> name = HeaderName(line);
    if (name && EqualIgnoringCase(*name, section)) return true;
  }
  return false;
}

std::string ReplaceSection(std::string_view text, std::string_view section, std::string_view body) {
  std::string result;
  result.reserve(text.size() + body.size() + 2);
  bool inside = false;
  bool placed = false;
  bool after_body = false;  // no other section has begun since `body` was put in
  for (std::string_view line : RawLines(text)) {
    if (const std::optional<std::string_view> name = HeaderName(line)) {
      inside = EqualIgnoringCase(*name, section);
      if (inside) {
        if (!placed) result += body;
        after_body = !placed || after_body;
        placed = true;
        continue;
      }
      // The blank line that parts the new section from the next one.
      if (after_body) result += kIniLineEnd;
      after_body = false;
    }
    if (inside) continue;
    result += line;
    result += kIniLineEnd;
  }
  if (!placed) {
    if (!result.empty() && !EndsWithBlankLine(result)) result += kIniLineEnd;
    result += body;
  }
  return result;
}

}  // namespace kestrin
