// The directory overall summary.
#include "report/directory_summary.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/path.h"
#include "report/report_format.h"
#include "report/report_texts.h"
#include "report/summary_lines.h"

namespace kestrin {
namespace {

// Names compared as like-name pairing compares them: without regard to case.
class NameSet {
 public:
  explicit NameSet(const std::vector<std::string>& names) {
    for (const std::string& name : names) lowered_.insert(LowerAscii(name));
  }
  bool Holds(const std::string& name) const { return lowered_.contains(LowerAscii(name)); }

 private:
  std::unordered_set<std::string> lowered_;
};

class DirectorySummary {
 public:
  DirectorySummary(const CompareRun& run, const DirectoryRunInfo& info, ReportStore& store)
      : run_(run),
        settings_(run.settings),
        totals_(run.totals),
        info_(info),
        store_(store),
        pair_count_(run.state.pair_count) {}

  void Write() {
    store_.AddLine(kDirectorySummaryTitle);
    store_.AddLine(FormatText(kNewDirFormat, info_.new_directory.c_str()));
    store_.AddLine(FormatText(kOldDirFormat, info_.old_directory.c_str()));
    store_.AddLine(kOneBlankLine);
    if (PairTableDue()) WritePairTable();
    WriteFileCounts();
    WriteLineTotals();
    if (info_.DirectoryCompare() && settings_.Inpn) WriteUnpairedFiles();
    if (info_.DirectoryCompare()) WriteNotCompared();
    store_.AddLine(ListingOptionsLine(settings_, info_.options_text));
    if (info_.PairsPicked()) WritePickedPairs();
  }

 private:
  bool PairTableDue() const {
    if (settings_.Chgo && totals_.changed_pairs == 0) return false;
    return pair_count_ - totals_.changed_pairs - totals_.txfo_skipped != 0;
  }

  bool TwoNameColumns() const { return info_.compare_type == kComparePickedPairs; }

  void WritePairTable() {
    store_.AddLine(TwoNameColumns() ? kPairTableHeadingTwoLists : kPairTableHeading);
    const std::vector<DirItem>& entries = run_.state.directory_entries;
    const size_t rows = std::min(entries.size(), run_.pairs.old_names.size());
    for (size_t k = 0; k < rows; ++k) {
      if (settings_.Chgo && !entries[k].had_changes) continue;
      store_.AddLine(PairRow(entries[k], run_.pairs.new_names[k], run_.pairs.old_names[k]));
    }
    store_.AddLine(kOneBlankLine);
    store_.AddLine(kPairTableLegend);
    store_.AddLine(kOneBlankLine);
  }

  // "*     b.txt                     10       10       8       1       1         1       2       0
  // 0"
  std::string PairRow(const DirItem& entry, const std::string& new_name,
                      const std::string& old_name) const {
    std::string row(entry.not_compared    ? kCodeNotCompared
                    : entry.equal_by_aeqf ? kCodeEqualByAeqf
                    : entry.had_changes   ? kCodeChanged
                                          : kCodeEqual);
    if (TwoNameColumns()) {
      row += FormatText(kRowTwoNamesFormat, Shorten(new_name, kRowTwoNamesWidth).c_str(),
                        Shorten(old_name, kRowTwoNamesWidth).c_str());
    } else {
      row += FormatText(kRowOneNameFormat, Shorten(old_name, kRowOneNameWidth).c_str());
    }
    if (entry.is_binary) {
      if (!settings_.Txfo) {
        row += FormatText(kRowBinaryFormat, static_cast<long long>(entry.new_bin_size),
                          static_cast<long long>(entry.old_bin_size));
      }
    } else if (entry.is_text) {
      row += FormatText(kRowTextFormat, entry.new_lines_processed, entry.old_lines_processed,
                        entry.matches, entry.insertions, entry.deletions, entry.reformats,
                        entry.total_changes, entry.new_dp, entry.old_dp);
    }
    return row;
  }

  void AddCount(const char* format, int32_t count) { store_.AddLine(FormatText(format, count)); }

  void WriteFileCounts() {
    const bool directory_compare = info_.DirectoryCompare();
    const int32_t compared_pairs = pair_count_ - totals_.txfo_skipped;
    // With Txfo every binary pair is skipped, and the skipped last pair is
    // also among BinaryPairs: the text pairs are the pairs not skipped.
    AddCount(kTextFilesFormat,
             settings_.Txfo ? compared_pairs : pair_count_ - totals_.binary_pairs);
    if (settings_.Txfo) {
      AddCount(kTxfoSkippedFormat, totals_.txfo_skipped);
    } else {
      AddCount(kBinaryFilesFormat, totals_.binary_pairs - totals_.txfo_skipped);
    }
    AddCount(kChangedPairsFormat, totals_.changed_pairs);
    AddCount(kUnchangedPairsFormat, compared_pairs - totals_.changed_pairs);
    if (directory_compare) {
      AddCount(kNewDirectoryFilesFormat, pair_count_ + info_.unpaired_new_files);
      AddCount(kOldDirectoryFilesFormat, pair_count_ + info_.unpaired_old_files);
    }
    AddCount(kFilesProcessedFormat, compared_pairs * 2);
    if (directory_compare) {
      AddCount(kUnpairedNewFormat, info_.unpaired_new_files);
      AddCount(kUnpairedOldFormat, info_.unpaired_old_files);
    }
    if (settings_.Aeqf) AddCount(kAeqfPairsFormat, totals_.aeqf_equal_pairs);
    store_.AddLine(kOneBlankLine);
  }

  void WriteLineTotals() {
    const DirTotals& t = totals_;
    const int64_t paired = t.paired_changes;
    store_.AddLine(kLineTotalsTitle);
    store_.AddLine(FormatText(kTotalMatchesFormat, t.matches,
                              t.reformats + t.insertions + t.deletions - paired));
    store_.AddLine(FormatText(kTotalReformatsFormat, t.reformats, t.reformats + paired));
    store_.AddLine(FormatText(kTotalInsertionsFormat, t.insertions, t.insertions - paired));
    store_.AddLine(FormatText(kTotalDeletionsFormat, t.deletions, t.deletions - paired));
    store_.AddLine(LinesProcessedLine(kNewLinesProcessedFormat, kNewDpCountsFormat, "",
                                      {t.new_lines_processed, t.new_dp, t.new_part_dp},
                                      settings_.DpActive));
    store_.AddLine(LinesProcessedLine(kOldLinesProcessedFormat, kOldDpCountsFormat, "",
                                      {t.old_lines_processed, t.old_dp, t.old_part_dp},
                                      settings_.DpActive));
    if (settings_.Fmvl) store_.AddLine(FormatText(kTotalMovedFormat, t.moved_lines));
    if (t.binary_pairs >= 1) store_.AddLine(BinarySizesLine());
  }

  // The sizes line, widened when the totals need more than seven places.
  std::string BinarySizesLine() const {
    const auto new_bytes = static_cast<long long>(totals_.new_bin_bytes);
    const auto old_bytes = static_cast<long long>(totals_.old_bin_bytes);
    if (new_bytes < kSevenPlaceNewLimit && old_bytes < kSevenPlaceOldLimit) {
      return FormatText(kTotalBinarySizes7Format, new_bytes, old_bytes);
    }
    if (new_bytes < kEightPlaceNewLimit && old_bytes < kEightPlaceOldLimit) {
      return FormatText(kTotalBinarySizes8Format, new_bytes, old_bytes);
    }
    return FormatText(kTotalBinarySizes9Format, new_bytes, old_bytes);
  }

  // Unpaired new and old files side by side, then the old ones left over.
  void WriteUnpairedFiles() {
    store_.AddLine(kOneBlankLine);
    store_.AddLine(kUnpairedTitle);
    if (info_.unpaired_new_files == 0 && info_.unpaired_old_files == 0) {
      store_.AddLine(kAllFilesPaired);
      return;
    }
    store_.AddLine(
        FormatText(kUnpairedHeadingFormat, info_.unpaired_new_files, info_.unpaired_old_files));
    const std::vector<std::string>& new_files = info_.new_directory_files;
    const std::vector<std::string>& old_files = info_.old_directory_files;
    const NameSet new_names(new_files);
    const NameSet old_names(old_files);
    size_t next_old = 0;
    const auto next_unpaired_old = [&] {
      while (next_old < old_files.size() && new_names.Holds(old_files[next_old])) ++next_old;
      return next_old < old_files.size();
    };
    for (const std::string& name : new_files) {
      if (old_names.Holds(name)) continue;
      std::string row =
          FormatText(kUnpairedNewFormatRow, Shorten(name, kUnpairedNameWidth).c_str());
      if (next_unpaired_old()) {
        row += kUnpairedSeparator;
        row += Shorten(old_files[next_old++], kUnpairedNameWidth);
      }
      store_.AddLine(row);
    }
    while (next_unpaired_old()) {
      store_.AddLine(FormatText(kUnpairedOldOnlyFormat, std::string(kOneBlankLine).c_str(),
                                Shorten(old_files[next_old++], kUnpairedNameWidth).c_str()));
    }
    WriteUnusable(info_.new_unusable_files, kUnusableNewSide);
    WriteUnusable(info_.old_unusable_files, kUnusableOldSide);
  }

  void WriteUnusable(const std::vector<UnusableEntry>& entries, const char* side) {
    for (const UnusableEntry& entry : entries) {
      store_.AddLine(FormatText(kUnusableRowFormat,
                                Shorten(entry.name, kUnpairedNameWidth).c_str(), side,
                                entry.reason.c_str()));
    }
  }

  // What a compare including subdirectories could not take in, with why;
  // nothing when it took in everything.
  void WriteNotCompared() {
    if (info_.new_not_compared.empty() && info_.old_not_compared.empty()) return;
    store_.AddLine(kOneBlankLine);
    store_.AddLine(kNotComparedTitle);
    for (const NotComparedEntry& entry : info_.new_not_compared) {
      store_.AddLine(FormatText(kNewNotComparedFormat, entry.path.c_str(), entry.reason.c_str()));
    }
    for (const NotComparedEntry& entry : info_.old_not_compared) {
      store_.AddLine(FormatText(kOldNotComparedFormat, entry.path.c_str(), entry.reason.c_str()));
    }
  }

  void WritePickedPairs() {
    const bool two_lists = TwoNameColumns();
    store_.AddLine(two_lists ? kPickedPairsTitle : kPickedLikeNamesTitle);
    const size_t pairs = std::min(run_.pairs.new_names.size(), run_.pairs.old_names.size());
    for (size_t k = 0; k < pairs; ++k) {
      std::string line(kPickedPairIndent);
      line += run_.pairs.new_names[k];
      if (two_lists) {
        line += kPickedPairSeparator;
        line += run_.pairs.old_names[k];
      }
      store_.AddLine(line);
    }
  }

  const CompareRun& run_;
  const CompareSettings& settings_;
  const DirTotals& totals_;
  const DirectoryRunInfo& info_;
  ReportStore& store_;
  const int32_t pair_count_;
};

}  // namespace

std::string Shorten(std::string_view name, size_t width) {
  if (name.size() <= width) return std::string(name);
  std::string shortened(name.substr(0, width - kShortenMark.size() - kShortenTail));
  shortened += kShortenMark;
  shortened += name.substr(name.size() - kShortenTail);
  return shortened;
}

void FoldPair(CompareRun& run, bool pair_differs) {
  const PairResult& pair = run.pair;
  DirTotals& totals = run.totals;
  DirItem& entry = run.CurrentEntry();
  entry.not_compared = pair.OpenFailed;
  if (pair_differs) {
    entry.had_changes = true;
    ++totals.changed_pairs;
  }
  if (pair.IsBinary) {
    entry.new_bin_size = pair.new_binary_size;
    entry.old_bin_size = pair.old_binary_size;
    totals.new_bin_bytes += pair.new_binary_size;
    totals.old_bin_bytes += pair.old_binary_size;
    ++totals.binary_pairs;
  } else {
    const int64_t total_changes =
        pair.reformats + pair.insertions + pair.deletions - pair.paired_changes;
    entry.new_lines_processed = pair.new_lines_processed;
    entry.old_lines_processed = pair.old_lines_processed;
    entry.matches = pair.matches;
    entry.reformats = pair.reformats;
    entry.insertions = pair.insertions;
    entry.deletions = pair.deletions;
    entry.new_dp = pair.new_dp;
    entry.old_dp = pair.old_dp;
    entry.total_changes = total_changes;
    entry.paired_changes = pair.paired_changes;
    entry.moved_lines = pair.moved_lines;
    totals.new_lines_processed += pair.new_lines_processed;
    totals.old_lines_processed += pair.old_lines_processed;
    totals.matches += pair.matches;
    totals.reformats += pair.reformats;
    totals.insertions += pair.insertions;
    totals.deletions += pair.deletions;
    totals.new_dp += pair.new_dp;
    totals.new_part_dp += pair.new_part_dp;
    totals.old_dp += pair.old_dp;
    totals.old_part_dp += pair.old_part_dp;
    totals.total_changes += total_changes;
    totals.paired_changes += pair.paired_changes;
    totals.moved_lines += pair.moved_lines;
  }
  totals.highest_pair_rc = std::max(totals.highest_pair_rc, pair.PairRC);
}

void WriteDirectorySummary(const CompareRun& run, const DirectoryRunInfo& info, ReportLines& lines,
                           ReportStore& store) {
  lines.SummaryStarted = true;
  lines.SummaryStartIndex = static_cast<int32_t>(store.PrimaryLineCount());
  if (store.PrimaryLineCount() > 0) store.AddLine(kTwoBlankLine);
  DirectorySummary(run, info, store).Write();
}

}  // namespace kestrin
