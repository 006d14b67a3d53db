#include "engine/dp_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

CompareSettings DpSettings(DpChoice option, const std::string& tag = "#", bool embedded = false) {
  CompareSettings settings;
  settings.DpActive = true;
  settings.DpOption = option;
  settings.DudcTag = tag;
  settings.DudcEmbedded = embedded;
  return settings;
}

// Filters one line and pictures the outcome: "Dp", "Part" or "Code", then
// the compare text with trailing blanks left off, in brackets.
std::string Filter(const CompareSettings& settings, DpCarry& carry, const std::string& text) {
  InputLine line;
  line.Text = text;
  line.RawLen = static_cast<int16_t>(text.size());
  FilterLine(settings, carry, line, line.RawLen);
  std::string kept = line.Text;
  kept.erase(kept.find_last_not_of(' ') + 1);
  const char* mark = line.IsDp ? "Dp" : line.IsPartDp ? "Part" : "Code";
  return std::string(mark) + " [" + kept + "]";
}

DpChoice DpOptionNamed(const std::string& keyword) {
  for (int index = 0; index < kDpOptionCount; ++index) {
    if (DpKeyword(static_cast<DpChoice>(index)) == keyword) return static_cast<DpChoice>(index);
  }
  ADD_FAILURE() << "no Dp option " << keyword;
  return DpChoice::kNone;
}

TEST(DpFilterTest, EachLineOfTheTable) {
  std::string block;
  DpCarry carry;
  testkit::ForEachCase("tests/engine/cases/dp_lines.txt", [&](const testkit::TableCase& c) {
    if (c[0] != block) carry = DpCarry();
    block = c[0];
    EXPECT_EQ(Filter(DpSettings(DpOptionNamed(c[1]), c[2], c.Flag(3)), carry, c[4]), c[5]);
  });
}

}  // namespace
}  // namespace kestrin
