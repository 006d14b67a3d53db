// The run totals and the directory overall summary, each case's whole
// summary kept in tests/report/golden/directory_summaries.txt.
#include "report/directory_summary.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
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
  std::vector<std::string> Write() {
    WriteDirectorySummary(run, info, lines, store);
    return LinesOf(lines.Primary);
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

struct DirectoryCase {
  const char* name;
  std::function<void(DirectoryFixture&)> set_up;
};

// A run with `new_files` and `old_files` in its directories, Inpn set, and
// one like-named pair "a".
std::function<void(DirectoryFixture&)> Unpaired(std::vector<std::string> new_files,
                                                std::vector<std::string> old_files,
                                                int unpaired_new, int unpaired_old) {
  return [=](DirectoryFixture& f) {
    f.run.settings.Inpn = true;
    f.info.new_directory_files = new_files;
    f.info.old_directory_files = old_files;
    f.info.unpaired_new_files = unpaired_new;
    f.info.unpaired_old_files = unpaired_old;
    f.AddTextPair("a", 5, 0, false);
  };
}

std::function<void(DirectoryFixture&)> BinarySizes(int64_t new_bytes, int64_t old_bytes) {
  return [=](DirectoryFixture& f) { f.AddBinaryPair("a.bin", new_bytes, old_bytes); };
}

const DirectoryCase kCases[] = {
    {"like-named run with a table",
     [](DirectoryFixture& f) {
       f.info.unpaired_new_files = 1;
       f.AddTextPair("a.txt", 10, 0, false);
       f.AddTextPair("b.txt", 10, 2, true);
       f.AddBinaryPair("c.bin", 512, 600);
       f.lines.Primary = {"earlier"};
     }},
    {"no table when every pair changed",
     [](DirectoryFixture& f) {
       for (const char* name : {"a", "b", "c"}) f.AddTextPair(name, 5, 1, true);
     }},
    {"Chgo without a changed pair",
     [](DirectoryFixture& f) {
       f.run.settings.Chgo = true;
       f.AddTextPair("a", 5, 0, false);
       f.AddTextPair("b", 5, 0, false);
     }},
    {"Chgo lists only changed pairs",
     [](DirectoryFixture& f) {
       f.run.settings.Chgo = true;
       f.AddTextPair("a", 5, 0, false);
       f.AddTextPair("b", 5, 1, true);
     }},
    {"two-list picks show both names and the pair list",
     [](DirectoryFixture& f) {
       f.info.compare_type = kComparePickedPairs;
       f.AddTextPair("a-rather-long-name.c", 5, 0, false);
       f.pairs.old_names[0] = "other.c";
       f.AddTextPair("b.c", 5, 1, true);
     }},
    {"like-name picks list new names",
     [](DirectoryFixture& f) {
       f.info.compare_type = kComparePickedLikeNames;
       f.AddTextPair("a.c", 5, 0, false);
     }},
    {"binary sizes of 8 digits", BinarySizes(10000000, 9999999)},
    {"binary size line widens", BinarySizes(10000001, 5)},
    {"binary size line widens on the new side", BinarySizes(100000001, 5)},
    {"binary size line widens on the old side", BinarySizes(5, 100000000)},
    {"more unpaired new files", Unpaired({"a", "n1", "n2"}, {"A", "o1"}, 2, 1)},
    {"more unpaired old files", Unpaired({"a", "n1"}, {"o1", "a", "o2", "o3"}, 1, 3)},
    {"no unpaired files", Unpaired({"a"}, {"a"}, 0, 0)},
    {"Txfo counts skipped pairs once",
     [](DirectoryFixture& f) {
       f.run.settings.Txfo = true;
       f.AddTextPair("a.txt", 5, 0, false);
       f.run.totals.txfo_skipped = 2;
       f.AddBinaryPair("c.bin", 0, 0);  // the last pair, skipped but reported
       f.pairs.Add("b.bin", "b.bin");   // skipped earlier, never reported
       f.run.state.pair_count = 3;
     }},
    {"Aeqf count and code",
     [](DirectoryFixture& f) {
       f.run.settings.Aeqf = true;
       f.AddTextPair("a", 5, 0, false);
       f.run.state.directory_entries[0].equal_by_aeqf = true;
       f.run.totals.aeqf_equal_pairs = 1;
       f.AddTextPair("b", 5, 0, false);
     }},
};

TEST(DirectorySummaryTest, EveryCaseMatchesTheGolden) {
  std::vector<std::string> all;
  for (const DirectoryCase& c : kCases) {
    DirectoryFixture f;
    c.set_up(f);
    f.Write();
    all.push_back(std::string("==== ") + c.name + ": summary from " +
                  std::to_string(f.lines.SummaryStartIndex) + ", highest code " +
                  std::to_string(f.run.totals.highest_pair_rc) + ", changed pairs " +
                  std::to_string(f.run.totals.changed_pairs));
    all.insert(all.end(), f.lines.Primary.begin(), f.lines.Primary.end());
  }
  report_support::ExpectGolden("directory_summaries.txt", all);
}

}  // namespace
}  // namespace kestrin
