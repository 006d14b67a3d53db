// Where listing lines go: straight into the report store, or, for the Chng
// listing, through the context buffer that keeps up to six unchanged lines
// around each change and announces the stretches it skips.
#ifndef KESTRIN_REPORT_CONTEXT_WRITER_H_
#define KESTRIN_REPORT_CONTEXT_WRITER_H_

#include <deque>
#include <string>

#include "engine/pair_run.h"
#include "report/report_store.h"

namespace kestrin {

class ListingSink {
 public:
  virtual ~ListingSink() = default;
  // Takes one listing line (its first character is a blank for matched,
  // context and Dp lines, a change flag otherwise).
  virtual void Write(std::string line) = 0;
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
  // After the pair's last section: writes the context after the last change,
  // or announces the unchanged lines that followed it.
  void FinishPair();

 private:
  void WriteNotShown();
  void WriteBuffered(size_t count);

  ReportStore& store_;
  PairResult* pair_ = nullptr;
  std::deque<std::string> buffer_;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_CONTEXT_WRITER_H_
