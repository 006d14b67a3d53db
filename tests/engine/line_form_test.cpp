// The compare form of a line: case folding, blank squeezing and the hash.
#include "engine/line_form.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrin {
namespace {

TEST(LineFormTest, FoldCaseFoldsExactlyAToZWithinTheLength) {
  struct Case {
    std::string text;
    int32_t length;
    std::string folded;
  };
  const Case cases[] = {
      {"@AMZ[`amz{\xC4\xDE", 12, "@amz[`amz{\xC4\xDE"},
      {"ABCZ", 2, "abCZ"},
      {"AB", 5, "ab"},
      {"AB", -1, "AB"},
  };
  for (Case c : cases) {
    FoldCase(c.text, c.length);
    EXPECT_EQ(c.text, c.folded) << "length " << c.length;
  }
}

TEST(LineFormTest, SqueezeDropsBlanksAndPadsToWholeWords) {
  struct Case {
    std::string text;
    int32_t length;
    std::string squeezed;
  };
  const Case cases[] = {
      {"a b", 3, "ab"},
      {" a  bc ", 7, std::string("abc\0", 4)},
      {"   ", 3, std::string(2, '\0')},
      {"", 0, std::string(2, '\0')},
      {"ab cd", 2, "ab"},
      {"a\tb", 3, std::string("a\tb\0", 4)},
  };
  for (Case c : cases) {
    EXPECT_EQ(Squeeze(c.text, c.length), static_cast<int32_t>(c.squeezed.size())) << c.text;
    EXPECT_EQ(c.text, c.squeezed);
  }
}

TEST(LineFormTest, HashSumsLittleEndianWordsAndNeverGivesZero) {
  EXPECT_EQ(HashSqueezed("ab", 2), 0x6261);
  EXPECT_EQ(HashSqueezed("abcd", 4), 0x6261 + 0x6463);
  EXPECT_EQ(HashSqueezed("abcd", 2), 0x6261);
  EXPECT_EQ(HashSqueezed(std::string(2, '\0'), 2), 65535);
  EXPECT_EQ(HashSqueezed(std::string("\xff\xff\x01\x00", 4), 4), 65535);  // wraps to 0
  EXPECT_EQ(HashSqueezed(std::string("\xfe\xff\x01\x00", 4), 4), 65535);
}

}  // namespace
}  // namespace kestrin
