// Where listing lines go: straight into the report store, or, for the Chng
// listing, through the context buffer that keeps up to six unchanged lines
// around each change and announces the stretches it skips.
#ifndef KESTRIN_REPORT_CONTEXT_WRITER_H_
#define KESTRIN_REPORT_CONTEXT_WRITER_H_

#include <cstdint>
#include <deque>
#include <string>

#include "engine/pair_run.h"
#include "report/report_store.h"

namespace kestrin {

// A matched line not yet formatted: Format makes it. Valid while the
// section it belongs to is being listed.
class PendingLine {
 public:
  virtual ~PendingLine() = default;
  virtual std::string Format(int32_t i, int32_t j, int32_t run_length) const = 0;
};

class ListingSink {
 public:
  virtual ~ListingSink() = default;
  // Takes one listing line (its first character is a blank for matched,
  // context and Dp lines, a change flag otherwise).
  virtual void Write(std::string line) = 0;
  // Takes the matched line that `pending` formats from new line i, old line
  // j and the run length. A sink that may drop it formats it only when it
  // is shown, and before Settle returns.
  virtual void WriteMatched(const PendingLine& pending, int32_t i, int32_t j,
                            int32_t run_length) {
    Write(pending.Format(i, j, run_length));
  }
  // Takes `count` exact matched lines in a row: new lines i to i + count - 1
  // with old lines j to j + count - 1, the first showing the run's length.
  virtual void WriteMatchedRun(const PendingLine& pending, int32_t i, int32_t j, int32_t count) {
    for (int32_t k = 0; k < count; ++k) WriteMatched(pending, i + k, j + k, k == 0 ? count : 0);
  }
  // The section's lines are listed: formats every matched line still kept.
  virtual void Settle() {}
};

// Writes every line straight to the store (Long and Delta listings).
class StoreSink : public ListingSink {
 public:
  explicit StoreSink(ReportStore& store) : store_(store) {}
  void Write(std::string line) override { store_.WriteListingLine(line); }

 private:
  ReportStore& store_;
};

// The Chng context buffer. Its counters live in the pair's PairResult
// (ContextCount, NotShownCount, AfterChange, Skipping).
class ContextWriter : public ListingSink {
 public:
  explicit ContextWriter(ReportStore& store) : store_(store) {}

  // Empties the buffer for a new pair.
  void StartPair() { buffer_.clear(); }
  // The pair whose counters the writer keeps. REQUIRES: set before Write.
  void SetPair(PairResult& pair) { pair_ = &pair; }

  void Write(std::string line) override;
  // Keeps the matched line unformatted until it is shown or Settle; most
  // matched lines of a Chng listing are never shown.
  void WriteMatched(const PendingLine& pending, int32_t i, int32_t j,
                    int32_t run_length) override;
  // Past the context after a change, a run's lines only pass through the
  // buffer unseen, all but its last six: they are counted, not kept.
  void WriteMatchedRun(const PendingLine& pending, int32_t i, int32_t j, int32_t count) override;
  void Settle() override;
  // After the pair's last section: writes the context after the last change,
  // or announces the unchanged lines that followed it.
  void FinishPair();

 private:
  // A buffered line: its text, or while `pending` is set what formats it.
  struct Buffered {
    std::string line;
    const PendingLine* pending = nullptr;
    int32_t i = 0, j = 0, run_length = 0;
  };

  void Take(Buffered entry, bool change);
  void WriteNotShown();
  void WriteBuffered(size_t count);

  ReportStore& store_;
  PairResult* pair_ = nullptr;
  std::deque<Buffered> buffer_;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_CONTEXT_WRITER_H_
