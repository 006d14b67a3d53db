// The run totals and the directory overall summary, each case's whole
// summary kept in tests/report/golden/directory_summaries.txt.
#include "report/directory_summary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

struct DirectoryFixture : report_support::HandRun {
  DirectoryFixture() {
    info.compare_type = kCompareLikeNamedFiles;
    info.new_directory = "/data/new";
    info.old_directory = "/data/old";
  }
  // Adds a reported text pair with the given counts.
  void AddTextPair(const std::string& name, int32_t lines_processed, int32_t insertions,
                   bool differs) {
    StartPair(name, DirItem{.is_text = true});
    run.pair.new_lines_processed = lines_processed;
    run.pair.old_lines_processed = lines_processed - insertions;
    run.pair.matches = lines_processed - insertions;
    run.pair.insertions = insertions;
    FoldPair(run, differs);
  }
  void AddBinaryPair(const std::string& name, int64_t new_size, int64_t old_size) {
    StartPair(name, DirItem{.is_binary = true});
    run.pair.IsBinary = true;
    run.pair.new_binary_size = new_size;
    run.pair.old_binary_size = old_size;
    run.pair.PairRC = new_size == old_size ? 0 : 1;
    FoldPair(run, new_size != old_size);
  }

 private:
  void StartPair(const std::string& name, const DirItem& entry) {
    pairs.Add(name, name);
    run.state.pair_count = static_cast<int32_t>(pairs.new_names.size());
    run.state.CurrentPair = run.state.pair_count - 1;
    run.state.directory_entries.push_back(entry);
    run.pair = PairResult();
  }
};

TEST(ShortenTest, Widths) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/report/cases/shortened_names.txt")) {
    testkit::CaseScope scope(c);
    EXPECT_EQ(Shorten(c[0], static_cast<size_t>(c.Number(1))), c[2]);
  }
}

// Carries out one step of a case (see the table's head).
void Apply(DirectoryFixture& f, const std::string& step) {
  std::istringstream in(step);
  std::string verb;
  std::string name;
  int64_t a = 0;
  int64_t b = 0;
  in >> verb;
  const auto words = [&in] {
    std::vector<std::string> list;
    for (std::string word; in >> word;) list.push_back(word);
    return list;
  };
  if (verb == "text" || verb == "binary") {
    std::string changed;
    in >> name >> a >> b >> changed;
    if (verb == "text") f.AddTextPair(name, static_cast<int32_t>(a), static_cast<int32_t>(b),
                                      changed == "yes");
    if (verb == "binary") f.AddBinaryPair(name, a, b);
  } else if (verb == "skipped") {
    in >> name;
    f.pairs.Add(name, name);
    ++f.run.state.pair_count;
  } else if (verb == "type") {
    in >> f.info.compare_type;
  } else if (verb == "new_files" || verb == "old_files") {
    (verb == "new_files" ? f.info.new_directory_files : f.info.old_directory_files) = words();
  } else if (verb == "unpaired") {
    in >> f.info.unpaired_new_files >> f.info.unpaired_old_files;
  } else if (verb == "old_name") {
    in >> f.pairs.old_names[0];
  } else if (verb == "earlier") {
    f.lines.Primary = {"earlier"};
  } else if (verb == "aeqf_first") {
    f.run.state.directory_entries[0].equal_by_aeqf = true;
  } else if (verb == "txfo_skipped" || verb == "aeqf_equal") {
    in >> (verb == "txfo_skipped" ? f.run.totals.txfo_skipped : f.run.totals.aeqf_equal_pairs);
  } else {
    CompareSettings& set = f.run.settings;
    bool* flag = verb == "Chgo"   ? &set.Chgo
                 : verb == "Inpn" ? &set.Inpn
                 : verb == "Txfo" ? &set.Txfo
                 : verb == "Aeqf" ? &set.Aeqf
                                  : nullptr;
    ASSERT_NE(flag, nullptr) << "no step " << step;
    *flag = true;
  }
}

TEST(DirectorySummaryTest, EveryCaseMatchesTheGolden) {
  std::vector<std::string> all;
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/report/cases/directory_summaries.txt")) {
    testkit::CaseScope scope(c);
    DirectoryFixture f;
    std::istringstream steps(c[1]);
    for (std::string step; std::getline(steps, step, ';');) Apply(f, step);
    WriteDirectorySummary(f.run, f.info, f.lines, f.store);
    all.push_back("==== " + c[0] + ": summary from " + std::to_string(f.lines.SummaryStartIndex) +
                  ", highest code " + std::to_string(f.run.totals.highest_pair_rc) +
                  ", changed pairs " + std::to_string(f.run.totals.changed_pairs));
    all.insert(all.end(), f.lines.Primary.begin(), f.lines.Primary.end());
  }
  report_support::ExpectGolden("directory_summaries.txt", all);
}

}  // namespace
}  // namespace kestrin
