// The Delta listing of a section: the section cut into blocks of matched
// lines followed by changes, each block of changes preceded by a block line
// with its counts. Ovsum walks the same blocks only to count paired changes.
#include <algorithm>
#include <cassert>

#include "report/listing_line_writer.h"
#include "report/section_listing.h"

namespace kestrin {
namespace {

class DeltaListing {
 public:
  DeltaListing(SectionView& view, bool last_section, ReportStore& store, int64_t& pending_matched)
      : view_(view),
        news_(view.new_lines),
        olds_(view.old_lines),
        last_section_(last_section),
        store_(store),
        sink_(store),
        write_(view, sink_),
        pending_matched_(pending_matched) {}

  void Run() {
    i_ = NextListed(news_, 1);
    j_ = NextListed(olds_, 1);
    while (i_ <= news_.count || j_ <= olds_.count) {
      const Block block = NextBlock();
      if (block.counts.matched + block.counts.inserted + block.counts.deleted +
              block.counts.reformatted ==
          0) {
        assert(false && "matched lines cross");
        return;
      }
      view_.pair.paired_changes += std::min(block.counts.inserted, block.counts.deleted);
      if (view_.settings.Delta) WriteBlock(block);
    }
  }

 private:
  struct Block {
    DeltaBlock counts;
    int32_t reformat_new = 0, reformat_old = 0;  // first lines of the reformat run
    int32_t insert_start = 0, delete_start = 0;  // first lines of the insert and delete runs
  };

  bool Matched(int32_t i, int32_t j) const {
    return i <= news_.count && j <= olds_.count && news_.line[i].Matched && olds_.line[j].Matched &&
           news_.line[i].Link == j;
  }
  bool ExactAt(int32_t i, int32_t j) const { return Matched(i, j) && !news_.line[i].IsReformat; }
  bool ReformatAt(int32_t i, int32_t j) const {
    return Matched(i, j) && news_.line[i].IsReformat && olds_.line[j].IsReformat;
  }
  void AdvanceBoth() {
    i_ = NextListed(news_, i_ + 1);
    j_ = NextListed(olds_, j_ + 1);
  }

  // Mat: the matched run here; Rfm: the reformat run after it; Ins and Del:
  // the insert and delete runs after that.
  Block NextBlock() {
    Block block;
    while (ExactAt(i_, j_)) {
      ++block.counts.matched;
      AdvanceBoth();
    }
    if (ReformatAt(i_, j_)) {
      block.reformat_new = i_;
      block.reformat_old = j_;
      const int32_t run = news_.line[i_].RunCount;
      for (int32_t k = 0; k < run && ReformatAt(i_, j_); ++k) {
        ++block.counts.reformatted;
        AdvanceBoth();
      }
    }
    if (i_ <= news_.count && !news_.line[i_].Matched && news_.line[i_].RunCount > 0) {
      block.insert_start = i_;
      const int32_t run = news_.line[i_].RunCount;
      for (int32_t k = 0; k < run && i_ <= news_.count && !news_.line[i_].Matched; ++k) {
        ++block.counts.inserted;
        i_ = NextListed(news_, i_ + 1);
      }
    }
    if (j_ <= olds_.count && !olds_.line[j_].Matched && olds_.line[j_].RunCount > 0) {
      block.delete_start = j_;
      const int32_t run = olds_.line[j_].RunCount;
      for (int32_t k = 0; k < run && j_ <= olds_.count && !olds_.line[j_].Matched; ++k) {
        ++block.counts.deleted;
        j_ = NextListed(olds_, j_ + 1);
      }
    }
    return block;
  }

  void WriteBlock(Block block) {
    DeltaBlock& counts = block.counts;
    const bool changes = counts.inserted + counts.deleted + counts.reformatted > 0;
    if (!last_section_ && !changes) {
      pending_matched_ += counts.matched;
      return;
    }
    counts.matched += pending_matched_;
    pending_matched_ = 0;
    counts.first_new_ref =
        view_.NewRef(counts.reformatted > 0 ? block.reformat_new : block.insert_start);
    counts.first_old_ref =
        view_.OldRef(counts.reformatted > 0 ? block.reformat_old : block.delete_start);
    store_.Equalize();
    store_.AddLine(BlockLine(counts, view_.settings.Fscl, view_.LongestLine()));
    WriteReformats(block);
    WriteInsertsAndDeletes(block);
  }

  void WriteReformats(const Block& block) {
    int32_t i = block.reformat_new;
    int32_t j = block.reformat_old;
    for (int32_t k = 0; k < block.counts.reformatted; ++k) {
      write_.Reform(i, j);
      i = NextListed(news_, i + 1);
      j = NextListed(olds_, j + 1);
    }
  }

  void WriteInsertsAndDeletes(const Block& block) {
    const int32_t inserted = block.counts.inserted;
    const int32_t deleted = block.counts.deleted;
    int32_t i = block.insert_start;
    int32_t j = block.delete_start;
    const auto insert = [&](int32_t k) {
      write_.Insert(i, k, inserted);
      i = NextListed(news_, i + 1);
    };
    const auto remove = [&](int32_t k) {
      write_.Delete(j, k, deleted);
      j = NextListed(olds_, j + 1);
    };
    if (inserted > 0 && inserted == deleted) {
      for (int32_t k = 0; k < inserted; ++k) {
        insert(k);
        remove(k);
      }
      return;
    }
    for (int32_t k = 0; k < inserted; ++k) insert(k);
    for (int32_t k = 0; k < deleted; ++k) remove(k);
  }

  SectionView& view_;
  const Section& news_;
  const Section& olds_;
  const bool last_section_;
  ReportStore& store_;
  StoreSink sink_;
  ListingLineWriter write_;
  int64_t& pending_matched_;
  int32_t i_ = 1;
  int32_t j_ = 1;
};

}  // namespace

void WriteDeltaListing(SectionView& view, bool last_section, ReportStore& store,
                       int64_t& pending_matched) {
  DeltaListing(view, last_section, store, pending_matched).Run();
}

}  // namespace kestrin
