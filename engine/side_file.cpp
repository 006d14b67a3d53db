// The line reader: one side's bytes turned into lines, and positioning a side
// at a section's first line.
#include "engine/side_file.h"

#include <algorithm>
#include <cstring>

#include "engine/byte_words.h"

namespace kestrin {

namespace {

constexpr char kEndOfFileChar = 26;
constexpr char kTab = 9;
constexpr char kBlank = ' ';

// Makes the next unread byte available in ReadBlock. Returns false at the end
// of the file. The file is read only up to the length it had when the pair
// was opened: one that grows meanwhile is read as it was, one that shrinks
// ends sooner, and a read error ends it too; both are recorded (a read
// error also as ReadFailed, for the caller to tell the user).
// The side's block size: small files need no more than their own length.
// A block kept from an earlier pair is used as it is when it is large
// enough. Returns the size.
int64_t PrepareBlock(SideFile& side) {
  const int64_t block_size = std::min(kReadBlockSize, side.file_size);
  if (static_cast<int64_t>(side.ReadBlock.size()) < block_size) {
    side.ReadBlock.resize(static_cast<size_t>(block_size));
  }
  return block_size;
}

// Starts the block again at the current section's first line when the
// section so far fills at most half of it, else at the read position. The
// matcher may cut a section short, and the listing reads a section again:
// both then find the section's lines in the block instead of reading them
// from the file once more.
void StartNextBlock(SideFile& side, int64_t block_size) {
  const int64_t block_end = side.block_offset + side.block_pos;
  const int64_t section_offset = side.line_starts.empty() ? -1 : side.line_starts.front();
  const int64_t kept = block_end - section_offset;
  if (section_offset > side.block_offset && kept <= block_size / 2) {
    std::memmove(side.ReadBlock.data(), side.ReadBlock.data() + (section_offset - side.block_offset),
                 static_cast<size_t>(kept));
    side.block_offset = section_offset;
    side.block_pos = kept;
    return;
  }
  side.block_offset = block_end;
  side.block_pos = 0;
}

bool FillBlock(SideFile& side) {
  if (side.block_fill > 0) return true;
  // The next bytes follow those in the block while it has room (after the
  // binary test's first bytes, say), else they start it again.
  const int64_t block_size = PrepareBlock(side);
  if (side.block_pos >= block_size) StartNextBlock(side, block_size);
  const int64_t left = side.file_size - NextLineOffset(side);
  if (left <= 0 || side.handle == nullptr) return false;
  const int64_t wanted = std::min(left, block_size - side.block_pos);
  const int64_t got = side.handle->Read(side.ReadBlock.data() + side.block_pos, wanted);
  if (got <= 0) {
    side.ended_short_at = NextLineOffset(side);
    if (got < 0) side.ReadFailed = true;
    return false;
  }
  side.block_fill = got;
  return true;
}

char PeekByte(const SideFile& side) { return side.ReadBlock[side.block_pos]; }

void ConsumeByte(SideFile& side) {
  ++side.block_pos;
  --side.block_fill;
}

// A line that ends with no characters is read as one blank.
void EndLine(SideFile& side, int32_t length) {
  if (length == 0) {
    side.LineBuffer[0] = kBlank;
    length = 1;
  }
  side.line_length = length;
  side.LongestLine = std::max(side.LongestLine, length);
  ++side.LinesRead;
}

void EndFile(SideFile& side) {
  side.AtEof = true;
  side.line_length = 0;
}

bool IsLastByte(const SideFile& side) { return NextLineOffset(side) + 1 >= side.file_size; }

// The recorded byte offset of file line `line` + 1, or null when it is not
// recorded. The first line always starts at byte 0.
const int64_t* RecordedLineStart(const SideFile& side, int64_t line) {
  static constexpr int64_t kFileStart = 0;
  if (line == 0) return &kFileStart;
  const int64_t index = line - side.line_starts_base;
  if (index < 0 || index >= static_cast<int64_t>(side.line_starts.size())) return nullptr;
  return &side.line_starts[static_cast<size_t>(index)];
}

// True iff `c` needs no decision of the reader: it is stored as it is.
bool IsPlainCharacter(char c) {
  return c != kCarriageReturn && c != kLineFeed && c != kEndOfFileChar && c != kTab;
}

// The length of the run of plain characters that starts `bytes`, at most
// `limit`.
int64_t PlainRunLength(const char* bytes, int64_t limit) {
  int64_t run = 0;
  // A control character is the only kind of byte that can stop a plain run;
  // one that is plain text is stepped over.
  for (;;) {
    run += static_cast<int64_t>(SkipToControlByte(bytes + run, static_cast<size_t>(limit - run)));
    if (run == limit || !IsPlainCharacter(bytes[run])) return run;
    ++run;
  }
}

// Moves the `run` characters at the read position to the line after its
// first `length`. Returns the new length.
int32_t MoveToLine(SideFile& side, int64_t run, int32_t length) {
  std::memcpy(side.LineBuffer + length, side.ReadBlock.data() + side.block_pos,
              static_cast<size_t>(run));
  side.block_pos += run;
  side.block_fill -= run;
  return length + static_cast<int32_t>(run);
}

// Copies the run of plain characters at the read position into the line,
// as far as the block and the line's room allow. Returns the new length.
int32_t TakePlainRun(SideFile& side, int32_t length) {
  const char* bytes = side.ReadBlock.data() + side.block_pos;
  const int64_t limit = std::min<int64_t>(side.block_fill, kMaxLineLength - length);
  return MoveToLine(side, PlainRunLength(bytes, limit), length);
}

// Reads the line at the read position when it is the usual kind: plain
// characters ended by a line feed, all of it in the block. Returns false,
// having read nothing, for any other.
bool TakeWholeLine(SideFile& side) {
  const char* bytes = side.ReadBlock.data() + side.block_pos;
  const int64_t run = PlainRunLength(bytes, std::min<int64_t>(side.block_fill, kMaxLineLength));
  if (run == side.block_fill || run == kMaxLineLength || bytes[run] != kLineFeed) return false;
  const int32_t length = MoveToLine(side, run, 0);
  ConsumeByte(side);  // the line feed
  EndLine(side, length);
  return true;
}

}  // namespace

void SideFile::Clear() {
  const ColumnRanges kept_ranges = ranges;
  const bool kept_ieof = Ieof;
  std::vector<char> kept_block = std::move(ReadBlock);
  std::vector<int64_t> kept_starts = std::move(line_starts);
  *this = SideFile();
  ranges = kept_ranges;
  Ieof = kept_ieof;
  ReadBlock = std::move(kept_block);
  line_starts = std::move(kept_starts);
  line_starts.clear();
}

std::string_view ReadFirstBytes(SideFile& side, int64_t count) {
  const int64_t wanted = std::min({count, side.file_size, PrepareBlock(side)});
  if (side.handle == nullptr || wanted <= 0) return {};
  // A failed read is left to the line reader, which reads there again.
  const int64_t got = side.handle->Read(side.ReadBlock.data(), wanted);
  if (got <= 0) return {};
  side.block_fill = got;
  return std::string_view(side.ReadBlock.data(), static_cast<size_t>(got));
}

void ReadLine(SideFile& side) {
  if (side.block_fill > 0 && TakeWholeLine(side)) return;
  int32_t length = 0;
  while (FillBlock(side)) {
    length = TakePlainRun(side, length);
    if (side.block_fill == 0) continue;
    const char c = PeekByte(side);
    if (c == kCarriageReturn || c == kLineFeed) {
      ConsumeByte(side);
      // The line feed of a CR LF may begin the next block.
      if (c == kCarriageReturn && FillBlock(side) && PeekByte(side) == kLineFeed) ConsumeByte(side);
      EndLine(side, length);
      return;
    }
    if (c == kEndOfFileChar) {
      if (IsLastByte(side)) {
        // The customary end mark: ends the file with or without Ieof.
        ConsumeByte(side);
        break;
      }
      side.SawEofChar = true;
      if (!side.Ieof) {
        // Left unread, so that the next read ends the file as well.
        if (length == 0) {
          EndFile(side);
        } else {
          EndLine(side, length);
        }
        return;
      }
    }
    // A line is split only when a character beyond the limit is there to be
    // stored: a line of exactly kMaxLineLength characters is one line.
    if (length == kMaxLineLength) {
      side.LineSplit = true;
      EndLine(side, length);
      return;
    }
    side.LineBuffer[length++] = c == kTab ? kBlank : c;
    ConsumeByte(side);
  }
  if (length == 0) {
    EndFile(side);
    return;
  }
  EndLine(side, length);
}

bool PositionSide(SideFile& side) {
  if (side.handle == nullptr) return false;
  const int64_t wanted = side.SectionStart;
  const int64_t* recorded = RecordedLineStart(side, wanted);
  const int64_t offset = recorded != nullptr ? *recorded : 0;
  // The read block holds the file's bytes from block_offset up to the
  // handle's position: an offset among them needs no seek and no read.
  const int64_t block_end = side.block_offset + side.block_pos + side.block_fill;
  if (offset >= side.block_offset && offset < block_end) {
    side.block_pos = offset - side.block_offset;
    side.block_fill = block_end - offset;
  } else {
    if (!side.handle->Seek(offset)) return false;
    side.block_offset = offset;
    side.block_pos = 0;
    side.block_fill = 0;
  }
  side.AtEof = false;
  if (recorded != nullptr) {
    side.LinesRead = wanted;
    return true;
  }
  side.LinesRead = 0;
  while (side.LinesRead < wanted && !side.AtEof) ReadLine(side);
  return true;
}

int64_t NextLineOffset(const SideFile& side) { return side.block_offset + side.block_pos; }

}  // namespace kestrin
