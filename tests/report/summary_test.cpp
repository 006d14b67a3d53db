// The per-pair summary and the directory overall summary with the run
// totals, each case's whole summary kept in tests/report/golden/
// pair_summaries.txt or directory_summaries.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/pair_run.h"
#include "report/directory_summary.h"
#include "report/pair_summary.h"
#include "report/report_store.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

// A compare run without files, its counts set by hand, and a report to
// write its summaries into.
struct SummaryFixture {
  SummaryFixture() {
    testkit::UseUtcFileTimes();
    run.settings.ListingTypeText = "Chng";
    info.compare_type = kCompareLikeNamedFiles;
    info.new_directory = "/data/new";
    info.old_directory = "/data/old";
    run.new_side.file_name = "new/a.txt";
    run.old_side.file_name = "old/a.txt";
    run.new_side.file_age = run.old_side.file_age = report_support::kFixedFileTime;
    run.new_side.LongestLine = 12;
    run.old_side.LongestLine = 14;
  }
  // Starts pair `name` of the run, reported as `entry` says.
  void StartPair(const std::string& name, const DirItem& entry) {
    pairs.Add(name, name);
    run.state.CurrentPair = run.state.pair_count++;
    run.state.directory_entries.push_back(entry);
    run.pair = PairResult();
  }
  // Carries out one step of a case (see the tables' heads).
  void Apply(std::string step);

  PairList pairs;
  bool halt = false;
  testkit::RecordingHost host;
  CompareRun run{pairs, halt, host, DefaultFileSystem()};
  ReportLines lines;
  ReportStore store{lines, host};
  DirectoryRunInfo info;
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

void SummaryFixture::Apply(std::string step) {
  std::replace_if(
      step.begin(), step.end(), [](char c) { return c == '=' || c == ','; }, ' ');
  std::istringstream in(step);
  std::string verb;
  in >> verb;
  const auto words = [&in] {
    std::vector<std::string> list;
    for (std::string word; in >> word;) list.push_back(word);
    return list;
  };
  CompareSettings& set = run.settings;
  SideFile& side = verb.starts_with("old.") ? run.old_side : run.new_side;
  const std::map<std::string, bool*> flags = {
      {"DpActive", &set.DpActive},
      {"Dsem", &set.Dsem},
      {"Noss", &set.Noss},
      {"Ccol", &set.Ccol},
      {"Dudc", &set.Dudc},
      {"Ieof", &set.Ieof},
      {"Fmvl", &set.Fmvl},
      {"Chgo", &set.Chgo},
      {"Inpn", &set.Inpn},
      {"Txfo", &set.Txfo},
      {"Aeqf", &set.Aeqf},
      {"EqualByAeqf", &run.pair.EqualByAeqf},
      {"MovedSubOptimal", &run.pair.MovedSubOptimal},
      {"CcolWarn", &side.CcolWarn},
      {"SawEofChar", &side.SawEofChar},
      {"LineSplit", &side.LineSplit},
  };
  const std::map<std::string, std::string*> texts = {{"options", &info.options_text},
                                                     {"dudc", &info.dudc_text},
                                                     {"embedded", &info.dudc_embedded},
                                                     {"listing", &set.ListingTypeText}};
  const std::string field = verb.substr(verb.find('.') + 1);
  ColumnRanges& r = side.ranges;
  int64_t a = 0;
  int64_t b = 0;
  std::string name;
  if (kCounts.contains(verb)) {
    in >> run.pair.*kCounts.at(verb);
  } else if (flags.contains(field)) {
    *flags.at(field) = true;
  } else if (texts.contains(verb)) {
    in >> *texts.at(verb);
  } else if (verb == "text") {
    std::string changed;
    in >> name >> a >> b >> changed;
    StartPair(name, DirItem{.is_text = true});
    run.pair.new_lines_processed = a;
    run.pair.old_lines_processed = run.pair.matches = a - b;
    run.pair.insertions = b;
    FoldPair(run, changed == "yes");
  } else if (verb == "binary") {
    in >> name >> a >> b;
    StartPair(name, DirItem{.is_binary = true});
    run.pair.IsBinary = true;
    run.pair.new_binary_size = a;
    run.pair.old_binary_size = b;
    run.pair.PairRC = a == b ? 0 : 1;
    FoldPair(run, a != b);
  } else if (verb == "skipped") {
    in >> name;
    pairs.Add(name, name);
    ++run.state.pair_count;
  } else if (verb == "pairs") {
    in >> run.state.pair_count;
  } else if (verb == "binary_run") {
    run.totals.binary_pairs = 1;
    run.new_side.LongestLine = run.old_side.LongestLine = 0;
  } else if (verb == "binary_pairs") {
    in >> run.totals.binary_pairs;
  } else if (verb == "line") {
    in >> name;
    lines.Primary = {name};
  } else if (verb == "type") {
    in >> info.compare_type;
  } else if (verb == "new_files" || verb == "old_files") {
    (verb == "new_files" ? info.new_directory_files : info.old_directory_files) = words();
  } else if (verb == "unpaired") {
    in >> info.unpaired_new_files >> info.unpaired_old_files;
  } else if (verb == "old_name") {
    in >> pairs.old_names[0];
  } else if (verb == "aeqf_first") {
    run.state.directory_entries[0].equal_by_aeqf = true;
  } else if (verb == "txfo_skipped" || verb == "aeqf_equal") {
    in >> (verb == "txfo_skipped" ? run.totals.txfo_skipped : run.totals.aeqf_equal_pairs);
  } else if (field == "ranges") {
    in >> r.range1_valid >> r.range2_valid >> r.start1 >> r.stop1 >> r.start2 >> r.stop2;
  } else {
    ASSERT_EQ(field, "MaxCmpLen") << "no step " << step;
    in >> side.MaxCmpLen;
  }
}

// Carries out every case of `table`, writes its summary with `write`, and
// compares the cases' summaries, each headed by the case and what `write`
// says of it, with the golden file of the same name.
void ExpectSummaries(const std::string& table,
                     const std::function<std::string(SummaryFixture&)>& write) {
  std::vector<std::string> all;
  testkit::ForEachCase("tests/report/cases/" + table, [&](const testkit::TableCase& c) {
    SummaryFixture f;
    std::istringstream steps(c[1]);
    for (std::string step; std::getline(steps, step, ';');) f.Apply(step);
    all.push_back("==== " + c[0] + write(f));
    all.insert(all.end(), f.lines.Primary.begin(), f.lines.Primary.end());
  });
  report_support::ExpectGolden(table, all);
}

TEST(PairSummaryTest, EveryCaseMatchesTheGolden) {
  ExpectSummaries("pair_summaries.txt", [](SummaryFixture& f) {
    WritePairSummary(f.run, f.info, f.lines, f.store);
    return f.lines.SummaryStarted
               ? " (summary from " + std::to_string(f.lines.SummaryStartIndex) + ")"
               : "";
  });
}

TEST(DirectorySummaryTest, EveryCaseMatchesTheGolden) {
  ExpectSummaries("directory_summaries.txt", [](SummaryFixture& f) {
    WriteDirectorySummary(f.run, f.info, f.lines, f.store);
    return ": summary from " + std::to_string(f.lines.SummaryStartIndex) + ", highest code " +
           std::to_string(f.run.totals.highest_pair_rc) + ", changed pairs " +
           std::to_string(f.run.totals.changed_pairs);
  });
}

// Files of more than 2^31 lines: counts keep their value, and their columns
// widen to hold it as the binary sizes' columns do.
TEST(SummaryTest, CountsPastTwoToTheThirtyFirst) {
  SummaryFixture f;  // sides never opened, and a run without names
  f.run.new_side.Clear();
  f.run.old_side.Clear();
  f.info = DirectoryRunInfo();
  f.Apply("text a.txt 3000000000 1 yes");
  f.Apply("text a.txt 3000000000 1 yes");
  WritePairSummary(f.run, f.info, f.lines, f.store);
  WriteDirectorySummary(f.run, f.info, f.lines, f.store);
  report_support::ExpectGolden("large_counts.txt", LinesOf(f.lines.Primary));
}

TEST(ShortenTest, Widths) {
  testkit::ForEachCase("tests/report/cases/shortened_names.txt", [&](const testkit::TableCase& c) {
    EXPECT_EQ(Shorten(c[0], static_cast<size_t>(c.Number(1))), c[2]);
  });
}

}  // namespace
}  // namespace kestrin
