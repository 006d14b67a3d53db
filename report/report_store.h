// The report line store's operations: adding heading and summary lines,
// writing cleaned and routed listing lines, the lazy file heading, keeping
// the two side-by-side lists aligned, and what happens when the store is full.
#ifndef KESTRIN_REPORT_REPORT_STORE_H_
#define KESTRIN_REPORT_REPORT_STORE_H_

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_host.h"
#include "report/report_heading.h"
#include "report/report_lines.h"
#include "report/report_sink.h"

namespace kestrin {

// No limit of the store's own: only the lists' capacity ends it.
inline constexpr size_t kUnlimitedLines = std::numeric_limits<size_t>::max();

// Cleans the text after the flag column of a listing line: a tab (with Xtab)
// becomes blanks up to the next tab stop, any other character below 32
// becomes the Subc character (with Subc) or ".". The result is cut at 132.
std::string CleanListingLine(std::string_view line, const CompareSettings& settings);

class ReportStore {
 public:
  // Writes into `lines`; its `settings` member steers cleaning and routing.
  // Capacity failures are told to the user through `host`. `line_capacity`
  // is the most lines either list takes. With a `sink` every line goes to
  // it as soon as it is final and the lists of `lines` stay as they are.
  ReportStore(ReportLines& lines, EngineHost& host, size_t line_capacity = kUnlimitedLines,
              ReportSink* sink = nullptr);

  // The pair being reported: its index from 0, the run's pair count, and
  // what its heading shows.
  void SetPair(int32_t pair_index, int32_t pair_count, PairHeading heading);

  // Adds a heading, separator or summary line (to both lists with Sbsl until
  // the summary starts), its control characters shown as ShownName shows
  // them. Writes a pending file heading first.
  void AddLine(std::string_view text);
  // Writes a listing line: cleaned, routed by its change flag with Sbsl, and
  // counted for the progress text.
  void WriteListingLine(std::string_view line);
  // Requests the pair's file heading. Returns true iff it was not requested
  // before for this pair; nothing is written until the pair's next line.
  bool ArmHeading();
  // Writes the pair's file heading now.
  void WriteHeading();
  // Pads the shorter of the two lists with lines of one blank (Sbsl only).
  void Equalize();
  // Appends the run's final message to Primary, whatever the current pair's
  // state; only a list that cannot grow keeps it out.
  void AppendFinalLine(std::string_view text);
  // The lines Primary holds so far, kept or passed to the sink.
  size_t PrimaryLineCount() const { return LineCount(ReportList::kPrimary); }

 private:
  size_t LineCount(ReportList list) const;
  bool Append(ReportList list, std::string_view text);
  void WritePendingHeading();
  void CountListingLine();
  // Tells the user, once a run, that a list keeps its lines in memory for
  // want of a spill file.
  void TellSpillFailure(const StoredLines& stored);

  ReportLines& lines_;
  EngineHost& host_;
  size_t line_capacity_;
  ReportSink* sink_;
  size_t passed_primary_ = 0;    // lines given to the sink, by list
  size_t passed_secondary_ = 0;
  int32_t pair_index_ = 0;
  int32_t pair_count_ = 0;
  PairHeading heading_;
  bool spill_failure_told_ = false;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_STORE_H_
