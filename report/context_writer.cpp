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
  assert(pair_ != nullptr);
  PairResult& pair = *pair_;
  const bool change = IsChangeLine(line);
  buffer_.push_back(std::move(line));
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
    store_.WriteListingLine(buffer_.front());
    buffer_.pop_front();
  }
}

}  // namespace kestrin
