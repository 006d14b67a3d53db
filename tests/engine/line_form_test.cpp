// The compare form of a line: case folding, blank squeezing and the hash.
#include "engine/line_form.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

TEST(LineFormTest, EachFormOfTheTable) {
  testkit::ForEachCase("tests/engine/cases/line_forms.txt", [&](const testkit::TableCase& c) {
    std::string text = c[1];
    const auto length = static_cast<int32_t>(c.Number(2));
    if (c[0] == "fold") {
      FoldCase(text, length);
      EXPECT_EQ(text, c[3]);
    } else if (c[0] == "squeeze") {
      EXPECT_EQ(Squeeze(text, length), static_cast<int32_t>(c[3].size()));
      EXPECT_EQ(text, c[3]);
    } else {
      EXPECT_EQ(KeysOfSqueezed(text, length).hash, c.Number(3));
    }
  });
}

}  // namespace
}  // namespace kestrin
