// The per-pair summary: its lines, conditions and warnings, each case's
// whole summary kept in tests/report/golden/pair_summaries.txt.
#include "report/pair_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

struct PairSummaryFixture : report_support::HandRun {
  explicit PairSummaryFixture(int32_t pair_count) {
    run.state.pair_count = pair_count;
    run.new_side.file_name = "new/a.txt";
    run.old_side.file_name = "old/a.txt";
    run.new_side.file_age = run.old_side.file_age = report_support::kFixedFileTime;
    run.new_side.LongestLine = 12;
    run.old_side.LongestLine = 14;
  }
  // Carries out one setting of a case (see the table's head).
  void Set(const std::string& name, std::string value);
};

const std::map<std::string, int64_t PairResult::*> kCounts = {
    {"matches", &PairResult::matches},
    {"reformats", &PairResult::reformats},
    {"insertions", &PairResult::insertions},
    {"deletions", &PairResult::deletions},
    {"paired_changes", &PairResult::paired_changes},
    {"new_lines_processed", &PairResult::new_lines_processed},
    {"old_lines_processed", &PairResult::old_lines_processed},
    {"new_dp", &PairResult::new_dp},
    {"old_dp", &PairResult::old_dp},
    {"old_part_dp", &PairResult::old_part_dp},
    {"new_binary_size", &PairResult::new_binary_size},
    {"old_binary_size", &PairResult::old_binary_size},
    {"new_ccol_blank_count", &PairResult::new_ccol_blank_count},
    {"moved_lines", &PairResult::moved_lines},
};

void PairSummaryFixture::Set(const std::string& name, std::string value) {
  std::replace(value.begin(), value.end(), ',', ' ');
  std::istringstream in(value);
  CompareSettings& set = run.settings;
  SideFile& side = name.starts_with("old.") ? run.old_side : run.new_side;
  const std::map<std::string, bool*> flags = {
      {"DpActive", &set.DpActive},
      {"Dsem", &set.Dsem},
      {"Noss", &set.Noss},
      {"Ccol", &set.Ccol},
      {"Dudc", &set.Dudc},
      {"Ieof", &set.Ieof},
      {"Fmvl", &set.Fmvl},
      {"EqualByAeqf", &run.pair.EqualByAeqf},
      {"MovedSubOptimal", &run.pair.MovedSubOptimal},
  };
  const std::map<std::string, std::string*> texts = {{"options", &info.options_text},
                                                     {"dudc", &info.dudc_text},
                                                     {"embedded", &info.dudc_embedded},
                                                     {"listing", &set.ListingTypeText}};
  const std::string field = name.substr(name.find('.') + 1);
  ColumnRanges& r = side.ranges;
  if (kCounts.contains(name)) {
    in >> run.pair.*kCounts.at(name);
  } else if (flags.contains(name)) {
    *flags.at(name) = true;
  } else if (texts.contains(name)) {
    *texts.at(name) = value;
  } else if (name == "binary") {
    run.totals.binary_pairs = 1;
    run.new_side.LongestLine = run.old_side.LongestLine = 0;
  } else if (name == "binary_pairs") {
    in >> run.totals.binary_pairs;
  } else if (name == "listing_line") {
    lines.Primary = {"listing"};
  } else if (field == "ranges") {
    in >> r.range1_valid >> r.range2_valid >> r.start1 >> r.stop1 >> r.start2 >> r.stop2;
  } else if (field == "MaxCmpLen") {
    in >> side.MaxCmpLen;
  } else {
    bool* flag = field == "CcolWarn"     ? &side.CcolWarn
                 : field == "SawEofChar" ? &side.SawEofChar
                 : field == "LineSplit"  ? &side.LineSplit
                                         : nullptr;
    ASSERT_NE(flag, nullptr) << "no setting " << name;
    *flag = true;
  }
}

TEST(PairSummaryTest, EveryCaseMatchesTheGolden) {
  std::vector<std::string> all;
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/report/cases/pair_summaries.txt")) {
    testkit::CaseScope scope(c);
    PairSummaryFixture f(static_cast<int32_t>(c.Number(1)));
    std::istringstream settings(c.fields.size() > 2 ? c[2] : "");
    for (std::string setting; settings >> setting;) {
      const size_t equals = std::min(setting.find('='), setting.size());
      f.Set(setting.substr(0, equals), setting.substr(std::min(equals + 1, setting.size())));
    }
    WritePairSummary(f.run, f.info, f.lines, f.store);
    all.push_back("==== " + c[0] +
                  (f.lines.SummaryStarted
                       ? " (summary from " + std::to_string(f.lines.SummaryStartIndex) + ")"
                       : ""));
    all.insert(all.end(), f.lines.Primary.begin(), f.lines.Primary.end());
  }
  report_support::ExpectGolden("pair_summaries.txt", all);
}

}  // namespace
}  // namespace kestrin
