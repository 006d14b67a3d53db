// Helpers for the line matcher tests: sections built from short texts in
// compare form, and one-line pictures of a match result.
#ifndef KESTRIN_TESTS_ENGINE_MATCHER_SUPPORT_H_
#define KESTRIN_TESTS_ENGINE_MATCHER_SUPPORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/input_line.h"

namespace kestrin::matcher_test {

// A text starting with this character becomes a Dp line.
inline constexpr char kDpLineMark = '~';

// Splits "A B C" into {"A", "B", "C"}; an underscore stands for a blank
// inside a word ("a_b" is "a b").
std::vector<std::string> Words(std::string_view spaced);

// The two section arrays of a pair, refilled for each test case.
class SectionPair {
 public:
  // Fills both sections with prepared lines: each text is squeezed and hashed
  // as line preparation does (Dp lines keep their raw text), and the end
  // sentinels are written. Only the lines the last fill used are cleared.
  void Fill(const std::vector<std::string>& new_texts, const std::vector<std::string>& old_texts);

  Section fresh;
  Section old;

 private:
  size_t new_extent_ = 0;  // lines from index 0 that the last fill may have touched
  size_t old_extent_ = 0;
};

// Pictures a match result, one token a line: "=k" matched with line k of the
// other side, "~k" moved, "." Dp line, "+" inserted, "-" deleted. Example:
// "=1 + =3 =4 | =1 - =3 =4".
std::string DescribeMatch(const Section& fresh, const Section& old);

// The new lines (then " | " and the old lines) that start an accepted block.
std::string DescribeBlockStarts(const Section& fresh, const Section& old);

}  // namespace kestrin::matcher_test

#endif  // KESTRIN_TESTS_ENGINE_MATCHER_SUPPORT_H_
