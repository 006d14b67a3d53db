// Files of more than 2^31 lines: the listing's reference numbers keep their
// value. The sides are started near the limit instead of reading such a file.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "report/section_listing.h"

namespace kestrin {
namespace {

constexpr int64_t kPastInt32 = int64_t{3'000'000'000};

// A Long listing of a section built by hand: old "a" "old" against new "a"
// (matched with old line 1) "new", the sides starting past 2^31.
TEST(LargeCountsTest, ReferenceNumbersPastTwoToTheThirtyFirst) {
  auto section = std::make_unique<std::array<Section, 2>>();
  auto& [news, olds] = *section;
  for (const char* text : {"a", "new"}) news.line[++news.count].Text = text;
  for (const char* text : {"a", "old"}) olds.line[++olds.count].Text = text;
  for (Section* side : {&news, &olds}) {
    for (int32_t k = 1; k <= side->count; ++k) {
      side->line[k].RawLen = static_cast<int16_t>(side->line[k].Text.size());
    }
  }
  news.line[1].Matched = olds.line[1].Matched = true;
  news.line[1].Link = olds.line[1].Link = 1;
  news.WriteSentinel(olds.count);
  olds.WriteSentinel(news.count);
  CompareSettings settings;
  settings.Long = true;
  settings.ListingType = ListingKind::kLong;
  PairResult pair;
  SideFile new_side;
  SideFile old_side;
  new_side.SectionStart = kPastInt32;
  old_side.SectionStart = kPastInt32 + 5;
  SectionView view{settings, pair, news, olds, new_side, old_side};
  CountDeletions(view);
  CountInsertionsAndMatches(view);
  MarkReformatRuns(view);
  struct Columns : ListingSink {
    // The columns after the 80-character text of a listing line.
    void Write(std::string line) override {
      std::string columns = line.substr(0, 4) + "|" + (line.size() > 84 ? line.substr(84) : "");
      columns.erase(columns.find_last_not_of(' ') + 1);
      lines.push_back(columns);
    }
    std::vector<std::string> lines;
  } sink;
  WriteChangeListing(view, sink);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"    | 3000000001              3000000006   1",
                                                  "I - | 3000000002 INSERT(NEW)          1",
                                                  "D - |       DELETED(OLD) 3000000007   1"}));
}

}  // namespace
}  // namespace kestrin
