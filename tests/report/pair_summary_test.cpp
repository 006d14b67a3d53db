// The per-pair summary: its lines, conditions and warnings, each case's
// whole summary kept in tests/report/golden/pair_summaries.txt.
#include "report/pair_summary.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::kFixedFileTime;

struct PairSummaryFixture : report_support::HandRun {
  explicit PairSummaryFixture(int32_t pair_count) {
    run.state.pair_count = pair_count;
    run.new_side.file_name = "new/a.txt";
    run.old_side.file_name = "old/a.txt";
    run.new_side.file_age = kFixedFileTime;
    run.old_side.file_age = kFixedFileTime;
    run.new_side.LongestLine = 12;
    run.old_side.LongestLine = 14;
  }
};

struct SummaryCase {
  const char* name;
  int32_t pair_count;
  std::function<void(PairSummaryFixture&)> set_up;
};

void Binary(PairSummaryFixture& f) {
  f.run.totals.binary_pairs = 1;
  f.run.new_side.LongestLine = 0;
  f.run.old_side.LongestLine = 0;
}

const SummaryCase kCases[] = {
    {"one pair of identical files", 1,
     [](PairSummaryFixture& f) {
       f.run.pair.matches = 5;
       f.run.pair.new_lines_processed = 5;
       f.run.pair.old_lines_processed = 5;
     }},
    {"paired changes", 1,
     [](PairSummaryFixture& f) {
       f.run.pair.matches = 10;
       f.run.pair.reformats = 2;
       f.run.pair.insertions = 3;
       f.run.pair.deletions = 4;
       f.run.pair.paired_changes = 3;
     }},
    {"Dsem counts Dp lines apart", 1,
     [](PairSummaryFixture& f) {
       f.run.settings.DpActive = true;
       f.run.settings.Dsem = true;
       f.info.options_text = "Dsem";
       f.run.pair.new_lines_processed = 10;
       f.run.pair.new_dp = 3;
       f.run.pair.old_lines_processed = 10;
       f.run.pair.old_dp = 3;
       f.run.pair.old_part_dp = 1;
     }},
    {"several pairs with Noss add one blank line", 3,
     [](PairSummaryFixture& f) {
       f.run.settings.Noss = true;
       f.lines.Primary = {"listing"};
     }},
    {"several pairs show the longest lines", 2, [](PairSummaryFixture&) {}},
    {"several pairs show the options of a binary pair", 2,
     [](PairSummaryFixture& f) {
       Binary(f);
       f.info.options_text = "Txal";
       f.run.pair.new_binary_size = 512;
       f.run.pair.old_binary_size = 600;
     }},
    {"text pair after a binary pair", 2,
     [](PairSummaryFixture& f) { f.run.totals.binary_pairs = 1; }},
    {"one binary pair equal by Aeqf", 1,
     [](PairSummaryFixture& f) {
       Binary(f);
       f.run.pair.EqualByAeqf = true;
       f.info.options_text = "Aeqf";
       f.run.settings.ListingTypeText = "Long";
     }},
    {"compare columns of each side", 1,
     [](PairSummaryFixture& f) {
       f.run.settings.Ccol = true;
       f.run.new_side.ranges = {true, false, 1, 0, 0, 0};
       f.run.new_side.MaxCmpLen = 40;
       f.run.old_side.ranges = {true, true, 1, 6, 10, 0};
       f.run.old_side.MaxCmpLen = 37;
     }},
    {"warnings", 1,
     [](PairSummaryFixture& f) {
       f.run.settings.Dudc = true;
       f.run.settings.DpActive = true;
       f.info.dudc_text = "#rem";
       f.info.dudc_embedded = "Yes";
       f.run.new_side.CcolWarn = true;
       f.run.pair.new_ccol_blank_count = 2;
       f.run.new_side.SawEofChar = true;
       f.run.old_side.SawEofChar = true;
       f.run.old_side.LineSplit = true;
     }},
    {"Ieof", 1,
     [](PairSummaryFixture& f) {
       f.run.settings.Ieof = true;
       f.run.new_side.SawEofChar = true;
     }},
    {"moved lines, sub-optimal", 1,
     [](PairSummaryFixture& f) {
       f.run.settings.Fmvl = true;
       f.run.pair.moved_lines = 4;
       f.run.pair.MovedSubOptimal = true;
     }},
};

TEST(PairSummaryTest, EveryCaseMatchesTheGolden) {
  std::vector<std::string> all;
  for (const SummaryCase& c : kCases) {
    PairSummaryFixture f(c.pair_count);
    c.set_up(f);
    WritePairSummary(f.run, f.info, f.lines, f.store);
    all.push_back(std::string("==== ") + c.name + (f.lines.SummaryStarted ? " (summary from " +
                  std::to_string(f.lines.SummaryStartIndex) + ")" : ""));
    all.insert(all.end(), f.lines.Primary.begin(), f.lines.Primary.end());
  }
  report_support::ExpectGolden("pair_summaries.txt", all);
}

}  // namespace
}  // namespace kestrin
