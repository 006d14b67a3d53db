// The listing's line formats, column by column.
#include "report/listing_formats.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

// Writes the line of `c`'s format: text in field 2, its numbers after it.
std::string FormattedLine(const testkit::TableCase& c) {
  const ListingFormatter format(c.Flag(1));
  const std::string& kind = c[0];
  const std::string& text = c[2];
  const int64_t a = c.Number(3);
  const auto second = [&] { return c.Number(4); };
  const auto third = [&] { return static_cast<int32_t>(c.Number(5)); };
  if (kind == "matched") return format.Matched(text, a, second(), third());
  if (kind == "dp") return format.DpLine(text, a);
  if (kind == "reform_new") return format.ReformNew(text, a, second(), third());
  if (kind == "reform_old") return format.ReformOld(text, a, second());
  if (kind == "insert") return format.Insert(text, a, static_cast<int32_t>(second()), third());
  if (kind == "insert_moved") return format.InsertMoved(text, a, second());
  if (kind == "delete") return format.Delete(text, a, static_cast<int32_t>(second()), third());
  if (kind == "delete_moved") return format.DeleteMoved(text, a, second());
  if (kind == "not_shown") return NotShownLine(a);
  if (kind == "block") {  // the block's six counts and references are the text
    DeltaBlock block;
    std::istringstream(text) >> block.matched >> block.inserted >> block.deleted >>
        block.reformatted >> block.first_new_ref >> block.first_old_ref;
    return BlockLine(block, c.Flag(1), static_cast<int32_t>(a));
  }
  ADD_FAILURE() << "no format " << kind;
  return "";
}

TEST(ListingFormatterTest, EveryLineFormat) {
  testkit::ForEachCase("tests/report/cases/listing_lines.txt",
                       [&](const testkit::TableCase& c) { EXPECT_EQ(FormattedLine(c), c[6]); });
}

}  // namespace
}  // namespace kestrin
