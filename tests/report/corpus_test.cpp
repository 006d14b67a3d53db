// The engine's regression corpus: a few hundred generated pairs, each run
// under several option sets, every report kept whole in one golden file per
// option set under tests/report/golden/corpus/ (KESTRIN_UPDATE_GOLDEN=1
// rewrites them). A change in how lines are matched, filtered, counted or
// listed shows as the first differing line and the pair it belongs to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/report/corpus_support.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

constexpr uint64_t kCorpusSeed = 13;
constexpr int kCorpusPairs = 240;

struct OptionSet {
  const char* golden;
  const char* listing_type;
  const char* options;
  bool with_pair_dp;  // adds the Dp option whose comments the pair holds
  bool lists_whole_sections;  // also runs the pairs longer than a section
  const char* new_columns = nullptr;  // with Ccol: the column ranges of each side
  const char* old_columns = nullptr;
};

const OptionSet kOptionSets[] = {
    {"chng", "Chng", "None", false, true},
    {"long_dp", "Long", "", true, false},
    {"delta_dp_icas_fmvl", "Delta", "Icas Fmvl", true, true},
    {"chng_sbsl_lorl_xtab", "Chng", "Sbsl Lorl Xtab", false, false},
    {"long_dp_rovr_noss_ieof_xdpl", "Long", "Rovr Noss Ieof Xdpl", true, false},
    {"long_ccol_txal_chgo", "Long", "Ccol Txal Chgo", false, false, "3:30", "1:eol"},
    {"delta_dp_inpn_lorl_aeqf", "Delta", "Inpn Lorl Aeqf", true, false},
};

class CorpusTest : public testing::TestWithParam<OptionSet> {};

TEST_P(CorpusTest, ReportsMatchTheirGolden) {
  const OptionSet& set = GetParam();
  std::vector<std::string> lines;
  for (const corpus::CorpusPair& pair : corpus::GenerateCorpus(kCorpusSeed, kCorpusPairs)) {
    if (!set.lists_whole_sections && pair.new_bytes.size() > 50000) continue;
    std::string options = set.options;
    if (set.with_pair_dp && pair.dp != DpChoice::kNone) {
      options = std::string(DpKeyword(pair.dp)) + " " + options;
    }
    ControlValues controls = report_support::ControlsWith(set.listing_type, options);
    if (set.new_columns != nullptr) {
      controls.new_range1 = set.new_columns;
      controls.old_range1 = set.old_columns;
    }
    report_support::ReportRun run;
    report_support::RunOnePair(pair.new_bytes, pair.old_bytes, controls, run);
    lines.push_back("==== " + pair.name + ": " + run.final_message);
    lines.insert(lines.end(), run.lines.Primary.begin(), run.lines.Primary.end());
    if (!run.lines.Secondary.empty()) {
      lines.push_back("---- secondary");
      lines.insert(lines.end(), run.lines.Secondary.begin(), run.lines.Secondary.end());
    }
  }
  testkit::ExpectGoldenLines(std::string("tests/report/golden/corpus/") + set.golden + ".txt",
                             lines);
}

INSTANTIATE_TEST_SUITE_P(OptionSets, CorpusTest, testing::ValuesIn(kOptionSets),
                         [](const testing::TestParamInfo<OptionSet>& param_info) {
                           return std::string(param_info.param.golden);
                         });

}  // namespace
}  // namespace kestrin
