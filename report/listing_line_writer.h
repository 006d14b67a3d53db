// Writes one listing line for a line of a section: the formatter chosen by
// the line's state, its listing text and its reference numbers.
#ifndef KESTRIN_REPORT_LISTING_LINE_WRITER_H_
#define KESTRIN_REPORT_LISTING_LINE_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "report/context_writer.h"
#include "report/listing_formats.h"
#include "report/section_listing.h"

namespace kestrin {

// The text a line shows: the raw line, or (Xdpl on, Dp or part-Dp line) the
// line with its comment part cut off.
std::string_view ListingText(const InputLine& line, bool xdpl);

class ListingLineWriter : public PendingLine {
 public:
  ListingLineWriter(const SectionView& view, ListingSink& sink)
      : view_(view), sink_(sink), format_(view.settings.Fscl) {}

  // Matched new line i with old line j; run_length 0 shows none.
  void Matched(int32_t i, int32_t j, int32_t run_length);
  // Exact matched new lines i to i + count - 1 with old lines j on, the
  // first showing the run's length.
  void MatchedRun(int32_t i, int32_t j, int32_t count);
  // The line Matched writes.
  std::string Format(int32_t i, int32_t j, int32_t run_length) const override;
  // The DPLINE line of new Dp line i (nothing with Xdpl).
  void DpLine(int32_t i);
  // The REFORM line of new line i and, with Lorl, the old line j after it.
  void Reform(int32_t i, int32_t j);
  // Inserted (or insert-moved) new line i, the `continuation`-th of its run.
  void Insert(int32_t i, int32_t continuation, int32_t run_length);
  // Deleted (or delete-moved) old line j, the `continuation`-th of its run.
  void Delete(int32_t j, int32_t continuation, int32_t run_length);

 private:
  const InputLine& NewLine(int32_t i) const { return view_.new_lines.line[i]; }
  const InputLine& OldLine(int32_t j) const { return view_.old_lines.line[j]; }
  std::string_view TextOf(const InputLine& line) const {
    return ListingText(line, view_.settings.Xdpl);
  }

  const SectionView& view_;
  ListingSink& sink_;
  ListingFormatter format_;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_LISTING_LINE_WRITER_H_
