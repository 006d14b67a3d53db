// The listing's line formats, column by column.
#include "report/listing_formats.h"

#include <gtest/gtest.h>

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
  ADD_FAILURE() << "no format " << kind;
  return "";
}

TEST(ListingFormatterTest, EveryLineFormat) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/report/cases/listing_lines.txt")) {
    testkit::CaseScope scope(c);
    EXPECT_EQ(FormattedLine(c), c[6]);
  }
  EXPECT_EQ(NotShownLine(43),
            "   ************* 43 New File Lines Not Shown *****************************");
}

TEST(BlockLineTest, CountsOrReferences) {
  struct Case {
    std::string name;
    DeltaBlock block;
    bool fscl;
    int32_t longest;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"counts",
       {12, 1, 2, 0, 0, 0},
       false,
       0,
       std::string(88, ' ') + "Mat/Ins/Del/Rfm=(12,1,2,0)"},
      {"short lines",
       {3, 1, 1, 0, 13, 14},
       true,
       10,
       std::string(5, ' ') + "LRef#=00013 RRef#=00014"},
      {"line of 100", {3, 1, 0, 0, 13, 0}, true, 100, std::string(81, ' ') + "LRef#=00013 "},
      {"deletes only",
       {3, 0, 2, 0, 0, 14},
       true,
       300,
       std::string(109, ' ') + "            RRef#=00014"},
      {"reformats", {0, 0, 0, 1, 7, 8}, true, 40, std::string(21, ' ') + "LRef#=00007 RRef#=00008"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BlockLine(c.block, c.fscl, c.longest), c.expected) << c.name;
}

}  // namespace
}  // namespace kestrin
