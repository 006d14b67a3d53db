// The compare form of a line: case folding, blank squeezing, the hash and
// line equality.
#include "engine/line_form.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/input_line.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

TEST(LineFormTest, EachFormOfTheTable) {
  testkit::ForEachCase("tests/engine/cases/line_forms.txt", [&](const testkit::TableCase& c) {
    if (c[0] == "equal") return;  // see below
    std::string text = c[1];
    const auto length = static_cast<int32_t>(c.Number(2));
    if (c[0] == "fold") {
      FoldCase(text, length);
      EXPECT_EQ(text, c[3]);
    } else if (c[0] == "squeeze") {
      std::string form = "a form left over from a longer line";
      const int32_t form_length = Squeeze(text, length, form);
      EXPECT_EQ(form.substr(0, static_cast<size_t>(form_length)), c[3]);
    } else {
      EXPECT_EQ(KeysOfSqueezed(text, length).hash, c.Number(3));
    }
  });
}

TEST(LineFormTest, LinesAreEqualByTheirCompareForms) {
  testkit::ForEachCase("tests/engine/cases/line_forms.txt", [&](const testkit::TableCase& c) {
    if (c[0] != "equal") return;
    for (const bool new_keeps_text : {true, false}) {
      for (const bool old_keeps_text : {true, false}) {
        InputLine new_line;
        InputLine old_line;
        new_line.Text = c[1];
        old_line.Text = c[2];
        PrepareCompareForm(new_line, static_cast<int32_t>(c[1].size()), new_keeps_text);
        PrepareCompareForm(old_line, static_cast<int32_t>(c[2].size()), old_keeps_text);
        EXPECT_EQ(LinesEqual(new_line, old_line), c.Number(3) == 1)
            << "new keeps its text " << new_keeps_text << ", old " << old_keeps_text;
      }
    }
  });
}

}  // namespace
}  // namespace kestrin
