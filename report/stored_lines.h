// One list of report lines, kept compactly: the text of all lines end to end
// in large blocks with an index of where each line starts, and past a
// threshold the text in a temporary file, so that the memory a report holds
// stays bounded whatever its size.
#ifndef KESTRIN_REPORT_STORED_LINES_H_
#define KESTRIN_REPORT_STORED_LINES_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/spill_file.h"

namespace kestrin {

// Text a list keeps in memory before it moves it to its spill file.
inline constexpr size_t kSpillThreshold = size_t{256} << 20;

// A list's lines in order. Lines are added at the end and read by index;
// a read returns the line's own copy, valid whatever is read next. Not for
// use from two threads at once (a read keeps the last block it read).
class StoredLines {
 public:
  // Walks the lines in order, each read as a copy.
  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string;

    const_iterator() = default;
    const_iterator(const StoredLines* lines, size_t index) : lines_(lines), index_(index) {}
    std::string operator*() const { return (*lines_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) { return {lines_, index_++}; }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

   private:
    const StoredLines* lines_ = nullptr;
    size_t index_ = 0;
  };

  // Lines whose text passes `spill_threshold` bytes move to a spill file in
  // `spill_directory` (SpillDirectory() when empty).
  explicit StoredLines(size_t spill_threshold = kSpillThreshold, std::string spill_directory = {});
  StoredLines(std::initializer_list<std::string_view> lines);
  // A copy keeps its lines apart from the original's, in a spill file of its
  // own when it needs one.
  StoredLines(const StoredLines& other);
  StoredLines& operator=(const StoredLines& other);
  StoredLines(StoredLines&& other) noexcept = default;
  StoredLines& operator=(StoredLines&& other) noexcept = default;
  ~StoredLines();

  size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // Line `i`. REQUIRES: i < size(). A line the spill file cannot give back
  // reads as empty.
  std::string operator[](size_t i) const;
  // REQUIRES: !empty().
  std::string back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // Adds `line` at the end. Throws std::bad_alloc or std::length_error when
  // memory runs out, the list then being as it was.
  void push_back(std::string_view line);
  // Removes every line, and the spill file with them.
  void clear();

  // The length in bytes of the longest line.
  size_t LongestLine() const { return longest_line_; }
  // The spill file's path while the text has moved there; empty otherwise.
  std::string SpillPath() const;
  // True iff the spill file could not be made or written: the lines it
  // would have taken stay in memory until clear().
  bool SpillFailed() const { return spill_failed_; }

 private:
  // The text in memory lies in blocks of this size, so it grows without
  // copying and holds at most one block more than it needs; a line may
  // run on from one block into the next. Once the list has a spill file,
  // the text in memory goes to it each time it fills a block.
  static constexpr size_t kTextBlock = size_t{1} << 20;

  size_t TextInMemory() const { return static_cast<size_t>(text_end_ - spilled_); }
  void AddText(std::string_view text);
  void CopyFromMemory(uint64_t start, size_t length, std::string& line) const;
  void MoveTextToFile();
  void WriteTextToFile();
  bool ReadFromFile(uint64_t start, size_t length, std::string& line) const;

  size_t spill_threshold_;
  std::string spill_directory_;
  std::vector<uint64_t> starts_;  // where each line starts in the whole text
  // The text after the spilled part, from its first block on.
  std::vector<std::unique_ptr<char[]>> blocks_;
  uint64_t spilled_ = 0;          // bytes of the text in the spill file
  uint64_t text_end_ = 0;         // bytes of the whole text
  std::unique_ptr<SpillFile> spill_;
  bool spill_failed_ = false;
  size_t longest_line_ = 0;
  // The last block read from the spill file, so that a window scrolling
  // through neighbouring lines reads the file once per block.
  mutable std::string read_block_;
  mutable uint64_t read_block_start_ = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_STORED_LINES_H_
