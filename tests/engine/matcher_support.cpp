#include "tests/engine/matcher_support.h"

#include <algorithm>
#include <sstream>

#include "engine/line_form.h"

namespace kestrin::matcher_test {
namespace {

// Clears the lines below `extent`, fills the texts and returns the new extent:
// the matcher touches no line past the end sentinel.
size_t FillSide(Section& section, size_t extent, const std::vector<std::string>& texts) {
  for (size_t k = 0; k < extent; ++k) section.line[k] = InputLine();
  section.count = static_cast<int32_t>(texts.size());
  for (size_t k = 0; k < texts.size(); ++k) {
    InputLine& line = section.line[k + 1];
    line.Text = texts[k];
    line.RawLen = static_cast<int16_t>(texts[k].size());
    if (!texts[k].empty() && texts[k].front() == kDpLineMark) {
      line.IsDp = true;
      continue;
    }
    line.SqueezedLen = static_cast<uint16_t>(Squeeze(line.Text, line.RawLen));
    line.Hash = HashSqueezed(line.Text, line.SqueezedLen);
    line.Fingerprint = FingerprintSqueezed(line.Text, line.SqueezedLen);
  }
  return texts.size() + 2;
}

std::string SideTokens(const Section& section, char unpaired) {
  std::string out;
  for (int32_t k = 1; k <= section.count; ++k) {
    const InputLine& line = section.line[k];
    if (!out.empty()) out += ' ';
    if (line.IsDp) {
      out += '.';
    } else if (line.Matched || line.Moved) {
      out += line.Matched ? '=' : '~';
      out += std::to_string(line.Link);
    } else {
      out += unpaired;
    }
  }
  return out;
}

std::string StartTokens(const Section& section) {
  std::string out;
  for (int32_t k = 1; k <= section.count; ++k) {
    if (!section.line[k].BlockStart) continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(k);
  }
  return out;
}

}  // namespace

std::vector<std::string> Words(std::string_view spaced) {
  std::istringstream in{std::string(spaced)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    std::replace(word.begin(), word.end(), '_', ' ');
    words.push_back(word);
  }
  return words;
}

void SectionPair::Fill(const std::vector<std::string>& new_texts,
                       const std::vector<std::string>& old_texts) {
  new_extent_ = FillSide(fresh, new_extent_, new_texts);
  old_extent_ = FillSide(old, old_extent_, old_texts);
  fresh.WriteSentinel(old.count);
  old.WriteSentinel(fresh.count);
}

std::string DescribeMatch(const Section& fresh, const Section& old) {
  return SideTokens(fresh, '+') + " | " + SideTokens(old, '-');
}

std::string DescribeBlockStarts(const Section& fresh, const Section& old) {
  return StartTokens(fresh) + " | " + StartTokens(old);
}

}  // namespace kestrin::matcher_test
