// The Chng context buffer.
#include "report/context_writer.h"

#include <cassert>
#include <utility>

#include "report/listing_formats.h"

namespace kestrin {
namespace {

// Six unchanged lines are shown on each side of a change; a seventh line in
// the buffer decides between skipping and showing.
constexpr size_t kContextLines = 6;
constexpr size_t kBufferLines = kContextLines + 1;

bool IsChangeLine(const std::string& line) { return !line.empty() && line[0] != ' '; }

}  // namespace

void ContextWriter::Write(std::string line) {
  const bool change = IsChangeLine(line);
  Take(Buffered{std::move(line)}, change);
}

void ContextWriter::WriteMatched(const PendingLine& pending, int32_t i, int32_t j,
                                 int32_t run_length) {
  Take(Buffered{std::string(), &pending, i, j, run_length}, false);
}

void ContextWriter::WriteMatchedRun(const PendingLine& pending, int32_t i, int32_t j,
                                    int32_t count) {
  assert(pair_ != nullptr);
  const auto kept = static_cast<int32_t>(kContextLines);
  for (int32_t k = 0; k < count; ++k) {
    // Past the context after a change, each line but the run's last six
    // would push the buffer's oldest line out unseen, and none would stay.
    if (!pair_->after_change && count - k > kept) {
      pair_->not_shown_count += count - k - kept;
      k = count - kept;
    }
    WriteMatched(pending, i + k, j + k, k == 0 ? count : 0);
  }
}

void ContextWriter::Settle() {
  for (Buffered& entry : buffer_) {
    if (entry.pending == nullptr) continue;
    entry.line = entry.pending->Format(entry.i, entry.j, entry.run_length);
    entry.pending = nullptr;
  }
}

void ContextWriter::Take(Buffered entry, bool change) {
  assert(pair_ != nullptr);
  PairResult& pair = *pair_;
  buffer_.push_back(std::move(entry));
  if (change) {
    if (pair.skipping && pair.not_shown_count > 0) WriteNotShown();
    WriteBuffered(buffer_.size());
    pair.after_change = true;
    pair.skipping = false;
    pair.not_shown_count = 0;
  } else if (buffer_.size() == kBufferLines) {
    if (!pair.after_change) {
      buffer_.pop_front();
      ++pair.not_shown_count;
    } else {
      WriteBuffered(kContextLines);
      pair.after_change = false;
      pair.skipping = true;
    }
  }
  pair.context_count = static_cast<int32_t>(buffer_.size());
}

void ContextWriter::FinishPair() {
  assert(pair_ != nullptr);
  PairResult& pair = *pair_;
  if (pair.after_change) {
    WriteBuffered(buffer_.size());
  } else if (pair.skipping) {
    pair.not_shown_count += pair.context_count;
    buffer_.clear();
    WriteNotShown();
  }
  pair.context_count = static_cast<int32_t>(buffer_.size());
}

void ContextWriter::WriteNotShown() {
  store_.AddLine(NotShownLine(pair_->not_shown_count));
  pair_->skipping = false;
}

void ContextWriter::WriteBuffered(size_t count) {
  for (size_t i = 0; i < count && !buffer_.empty(); ++i) {
    const Buffered& entry = buffer_.front();
    if (entry.pending != nullptr) {
      store_.WriteListingLine(entry.pending->Format(entry.i, entry.j, entry.run_length));
    } else {
      store_.WriteListingLine(entry.line);
    }
    buffer_.pop_front();
  }
}

}  // namespace kestrin
