// The Chng and Long listing of a section: every new line in order, with the
// deleted old lines in their places; an insert run against a delete run of
// the same length is listed as insert/delete pairs.
#include <algorithm>
#include <cassert>

#include "report/listing_line_writer.h"
#include "report/section_listing.h"

namespace kestrin {
namespace {

class ChangeListing {
 public:
  ChangeListing(SectionView& view, ListingSink& sink)
      : view_(view), news_(view.new_lines), olds_(view.old_lines), write_(view, sink) {}

  void Run() {
    j_ = NextListed(olds_, 1);
    while (i_ <= news_.count || j_ <= olds_.count) {
      const int32_t start_i = i_;
      const int32_t start_j = j_;
      WriteDpLines();
      if (PairedBlockHere()) {
        WritePairedBlock();
        continue;
      }
      if (NewOpen()) WriteInsertRun();
      if (OldOpen()) WriteDeleteRun();
      WriteMatchedLines();
      if (i_ == start_i && j_ == start_j) {
        // Only matches that cross each other can stop the walk; every line
        // up to here is listed.
        assert(false && "matched lines cross");
        return;
      }
    }
  }

 private:
  // An unmatched, non-Dp new line i (the start of an insert run).
  bool NewOpen() const { return i_ <= news_.count && !news_.line[i_].Matched; }
  // An unmatched old line j (the start of a delete run).
  bool OldOpen() const { return j_ <= olds_.count && !olds_.line[j_].Matched; }
  bool BothMatchedInOrder() const {
    return i_ <= news_.count && j_ <= olds_.count && news_.line[i_].Matched &&
           olds_.line[j_].Matched && news_.line[i_].Link == j_;
  }

  void WriteDpLines() {
    while (i_ <= news_.count && news_.line[i_].IsDp) write_.DpLine(i_++);
  }

  bool PairedBlockHere() const {
    return NewOpen() && OldOpen() && news_.line[i_].RunCount > 0 &&
           news_.line[i_].RunCount == olds_.line[j_].RunCount;
  }

  void WritePairedBlock() {
    const int32_t count = news_.line[i_].RunCount;
    view_.pair.paired_changes += count;
    for (int32_t k = 0; k < count; ++k) {
      WriteDpLines();
      if (!NewOpen() || !OldOpen()) return;
      write_.Insert(i_++, k, count);
      write_.Delete(j_, k, count);
      j_ = NextListed(olds_, j_ + 1);
    }
  }

  void WriteInsertRun() {
    const int32_t count = news_.line[i_].RunCount;
    if (OldOpen()) view_.pair.paired_changes += std::min<int32_t>(olds_.line[j_].RunCount, count);
    for (int32_t k = 0; k < count; ++k) {
      WriteDpLines();
      if (!NewOpen()) return;
      write_.Insert(i_++, k, count);
    }
  }

  void WriteDeleteRun() {
    const int32_t count = olds_.line[j_].RunCount;
    for (int32_t k = 0; k < count && OldOpen(); ++k) {
      write_.Delete(j_, k, count);
      j_ = NextListed(olds_, j_ + 1);
    }
  }

  // Without a Dp option no Dp line lies within an exact run: the run goes
  // to the sink whole.
  bool WholeRunHere(const InputLine& line) const {
    return !view_.settings.DpActive && !line.IsReformat && line.RunCount > 1;
  }

  // Matched lines one by one, each followed by the new Dp lines after it. The
  // first line of an exact run shows the run's length; a reformat shows its
  // REFORM lines.
  void WriteMatchedLines() {
    while (BothMatchedInOrder()) {
      const InputLine& line = news_.line[i_];
      if (WholeRunHere(line)) {
        write_.MatchedRun(i_, j_, line.RunCount);
        i_ += line.RunCount - 1;
        j_ += line.RunCount - 1;
      } else if (line.IsReformat) {
        write_.Reform(i_, j_);
      } else {
        write_.Matched(i_, j_, line.RunCount);
      }
      ++i_;
      j_ = NextListed(olds_, j_ + 1);
      WriteDpLines();
    }
  }

  SectionView& view_;
  const Section& news_;
  const Section& olds_;
  ListingLineWriter write_;
  int32_t i_ = 1;
  int32_t j_ = 1;
};

}  // namespace

void WriteChangeListing(SectionView& view, ListingSink& sink) {
  ChangeListing listing(view, sink);
  listing.Run();
  // The listing's line writer formats the lines the sink keeps; it goes
  // with the listing, and the section's texts with the next section.
  sink.Settle();
}

}  // namespace kestrin
