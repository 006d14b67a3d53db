// The listing's line formats, column by column.
#include "report/listing_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrin {
namespace {

std::string Text80(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

// Every line format, with Fscl (the flag and up to 128 characters) and
// without (the text cut or padded to 80, then the references).
TEST(ListingFormatterTest, EveryLineFormat) {
  const ListingFormatter format(false);
  const ListingFormatter fscl(true);
  struct Case {
    std::string name;
    std::string line;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"matched first", format.Matched("int a;", 1, 2, 2),
       "    " + Text80("int a;") + " 00001              00002   2    "},
      {"matched", format.Matched("int a;", 1, 2, 0),
       "    " + Text80("int a;") + " 00001              00002"},
      {"dp", format.DpLine("// x", 7), "    " + Text80("// x") + " 00007 DPLINE(NEW) "},
      {"reform new", format.ReformNew("int  a;", 3, 4, 2),
       "RN- " + Text80("int  a;") + " 00003 REFORM(NEW)  00004   2    "},
      {"reform old", format.ReformOld("int a;", 3, 4),
       "RO- " + Text80("int a;") + " 00003 REFORM(OLD)  00004"},
      {"insert first", format.Insert("new", 3, 0, 12),
       "I - " + Text80("new") + " 00003 INSERT(NEW)          12   "},
      {"insert next", format.Insert("new", 4, 1, 12), "I - " + Text80("new") + " 00004 INSERT"},
      {"insert moved", format.InsertMoved("mv", 3, 9),
       "IM- " + Text80("mv") + " 00003 MOVE(N TO O) 00009"},
      {"delete first", format.Delete("old", 3, 0, 2),
       "D - " + Text80("old") + "       DELETED(OLD) 00003   2    "},
      {"delete next", format.Delete("old", 4, 1, 2),
       "D - " + Text80("old") + "       DELETED      00004"},
      {"delete moved", format.DeleteMoved("mv", 9, 3),
       "DM- " + Text80("mv") + " 00009 MOVE(O TO N) 00003"},
      {"six-digit reference", format.Matched("x", 123456, 7, 0),
       "    " + Text80("x") + " 123456              00007"},
      {"cut at 80", format.Matched(std::string(90, 'y') + "TAIL", 1, 1, 0),
       "    " + std::string(80, 'y') + " 00001              00001"},
      {"fscl matched", fscl.Matched("short", 1, 1, 5), "    short"},
      {"fscl insert", fscl.Insert(std::string(140, 'x'), 1, 0, 1), "I - " + std::string(128, 'x')},
      {"fscl delete", fscl.Delete("gone", 1, 0, 1), "D - gone"},
      {"fscl reform old", fscl.ReformOld("old", 1, 1), "RO- old"},
      {"fscl dp", fscl.DpLine("// c", 1), "    // c"},
      {"not shown", NotShownLine(43),
       "   ************* 43 New File Lines Not Shown *****************************"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.line, c.expected) << c.name;
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
