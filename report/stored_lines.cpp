// The report's compact line list and its move to a spill file.
#include "report/stored_lines.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kestrin {
namespace {

// Bytes read from the spill file at once; a block holds some hundreds of
// report lines, a few pages of a viewer.
constexpr size_t kReadBlock = 64 << 10;

// Calls copy(bytes, done, count) for each piece of the text in memory from
// position `first` on for `length` bytes: `count` bytes at `bytes` in one
// block of `block_size`, `done` bytes of the span coming before them.
template <typename Copy>
void ForEachPiece(const std::vector<std::unique_ptr<char[]>>& blocks, size_t block_size,
                  size_t first, size_t length, Copy copy) {
  for (size_t done = 0; done < length;) {
    const size_t at = first + done;
    const size_t count = std::min(length - done, block_size - at % block_size);
    copy(blocks[at / block_size].get() + at % block_size, done, count);
    done += count;
  }
}

}  // namespace

StoredLines::StoredLines(size_t spill_threshold, std::string spill_directory)
    : spill_threshold_(spill_threshold), spill_directory_(std::move(spill_directory)) {}

StoredLines::StoredLines(std::initializer_list<std::string_view> lines) : StoredLines() {
  for (std::string_view line : lines) push_back(line);
}

StoredLines::StoredLines(const StoredLines& other)
    : StoredLines(other.spill_threshold_, other.spill_directory_) {
  for (size_t i = 0; i < other.size(); ++i) push_back(other[i]);
}

StoredLines& StoredLines::operator=(const StoredLines& other) {
  if (this != &other) *this = StoredLines(other);
  return *this;
}

StoredLines::~StoredLines() = default;

std::string StoredLines::operator[](size_t i) const {
  const uint64_t start = starts_[i];
  const uint64_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_end_;
  const auto length = static_cast<size_t>(end - start);
  std::string line;
  if (start >= spilled_) {
    CopyFromMemory(start, length, line);
  } else if (!ReadFromFile(start, length, line)) {
    line.clear();
  }
  return line;
}

void StoredLines::push_back(std::string_view line) {
  // The text moves out before it would pass the threshold, so memory never
  // holds more than the threshold of text.
  if (spill_ == nullptr && !spill_failed_ && TextInMemory() + line.size() > spill_threshold_) {
    MoveTextToFile();
  }
  AddText(line);
  longest_line_ = std::max(longest_line_, line.size());
  if (spill_ != nullptr && !spill_failed_ && TextInMemory() >= kTextBlock) WriteTextToFile();
}

void StoredLines::clear() { *this = StoredLines(spill_threshold_, std::move(spill_directory_)); }

std::string StoredLines::SpillPath() const { return spill_ != nullptr ? spill_->Path() : ""; }

void StoredLines::AddText(std::string_view text) {
  // Everything that can fail comes before the list changes.
  const size_t in_memory = TextInMemory();
  while (blocks_.size() * kTextBlock < in_memory + text.size()) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kTextBlock));
  }
  starts_.push_back(text_end_);
  ForEachPiece(blocks_, kTextBlock, in_memory, text.size(),
               [&](char* bytes, size_t done, size_t count) {
                 std::memcpy(bytes, text.data() + done, count);
               });
  text_end_ += text.size();
}

void StoredLines::CopyFromMemory(uint64_t start, size_t length, std::string& line) const {
  line.resize(length);
  ForEachPiece(blocks_, kTextBlock, static_cast<size_t>(start - spilled_), length,
               [&](const char* bytes, size_t done, size_t count) {
                 std::memcpy(line.data() + done, bytes, count);
               });
}

void StoredLines::MoveTextToFile() {
  spill_ = SpillFile::Create(spill_directory_.empty() ? SpillDirectory() : spill_directory_);
  if (spill_ == nullptr) {
    spill_failed_ = true;
    return;
  }
  WriteTextToFile();
  if (spill_failed_) spill_.reset();
}

void StoredLines::WriteTextToFile() {
  // The text stays in memory until the file has all of it: a failed write
  // loses nothing, and later lines stay in memory too.
  const size_t in_memory = TextInMemory();
  for (size_t at = 0; at < in_memory; at += kTextBlock) {
    if (!spill_->Append(blocks_[at / kTextBlock].get(), std::min(kTextBlock, in_memory - at))) {
      spill_failed_ = true;
      return;
    }
  }
  spilled_ = text_end_;
  // One block stays for the lines to come.
  blocks_.resize(std::min<size_t>(blocks_.size(), 1));
}

bool StoredLines::ReadFromFile(uint64_t start, size_t length, std::string& line) const {
  const uint64_t block_end = read_block_start_ + read_block_.size();
  if (start < read_block_start_ || start + length > block_end) {
    if (length > kReadBlock) {
      line.resize(length);
      return spill_->ReadAt(start, line.data(), length);
    }
    // A block on a block boundary, or one starting at the line when the
    // line crosses that boundary.
    uint64_t block_start = start - start % kReadBlock;
    if (start + length > block_start + kReadBlock) block_start = start;
    read_block_.resize(static_cast<size_t>(std::min<uint64_t>(kReadBlock, spilled_ - block_start)));
    read_block_start_ = block_start;
    if (!spill_->ReadAt(block_start, read_block_.data(), read_block_.size())) {
      read_block_.clear();
      return false;
    }
  }
  line.assign(read_block_, static_cast<size_t>(start - read_block_start_), length);
  return true;
}

}  // namespace kestrin
