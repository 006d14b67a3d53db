// One side's file state for a pair, and the line reader that turns its bytes
// into lines.
#ifndef KESTRIN_ENGINE_SIDE_FILE_H_
#define KESTRIN_ENGINE_SIDE_FILE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/dp_filter.h"
#include "engine/file_system.h"
#include "engine/input_line.h"

namespace kestrin {

inline constexpr int64_t kReadBlockSize = 1048576;

// The bytes that end a line of an input file: CR, LF or CR LF.
inline constexpr char kCarriageReturn = 13;
inline constexpr char kLineFeed = 10;

struct SideFile {
  bool AtEof = false;        // end of file reached (also when positioning failed)
  bool OpenFailed = false;   // positioning failed once: read as empty for the pair
  bool SawEofChar = false;   // a character 26 was met before the last byte
  bool CcolWarn = false;     // a line was shorter than the Ccol start column
  bool LineSplit = false;    // a line over 2048 characters was cut into segments
  bool ReadFailed = false;   // a read of the file failed: the side ended there
  bool ReadFailureShown = false;  // the user has been told of the failed read
  bool is_new_side = false;
  bool Ieof = false;         // character 26 inside the file is an ordinary character
  ColumnRanges ranges;       // Ccol ranges of this side

  std::string file_name;     // full path
  std::unique_ptr<InputFile> handle;
  int64_t file_size = 0;
  int64_t file_age = 0;      // packed last-modified time
  // The byte at which the file ended before file_size (it shrank, or a read
  // failed there: ReadFailed); -1 while it has not.
  int64_t ended_short_at = -1;
  int read_error = 0;        // the system's error number of the failed read

  std::vector<char> ReadBlock;  // raw bytes read from the file
  int64_t block_fill = 0;       // unread bytes left in ReadBlock
  int64_t block_pos = 0;        // index of the next unread byte in ReadBlock
  int64_t block_offset = 0;     // file offset of ReadBlock[0]

  char LineBuffer[kMaxLineLength] = {};
  int32_t line_length = 0;      // characters in LineBuffer after the last read
  int64_t LinesRead = 0;        // lines read so far in the file
  int32_t LongestLine = 0;      // greatest line length read in this pair
  int32_t MaxCmpLen = 0;        // greatest compare length after Ccol selection
  // Line numbers and counts of a file: 64-bit, as a file may hold more than
  // 2^31 lines.
  int64_t next_section_start = 0;
  int64_t SectionStart = 0;     // file lines before the current section
  int64_t ccol_blank_count = 0; // lines shorter than the Ccol start column

  DpCarry dp_carry;             // Dp filter state carried across lines

  // Byte offsets of the line starts of the most recently read section:
  // line_starts[k] is where line line_starts_base + k begins. Lets a section
  // be positioned without reading the file again from byte 0.
  int64_t line_starts_base = 0;
  std::vector<int64_t> line_starts;

  // Clears the state of a pair; keeps nothing but `ranges`, Ieof and the
  // room of ReadBlock and line_starts, so that a run of many small pairs
  // allocates them once.
  void Clear();
};

// Reads the side's next line into LineBuffer and line_length; sets AtEof
// instead when no line is left. CR, LF and CR LF end a line; a tab is read
// as one blank; an empty line is read as one blank; a line longer than
// kMaxLineLength comes back in segments (LineSplit). Character 26 ends the
// file as its last byte, and elsewhere unless Ieof (SawEofChar either way).
// The file is read up to file_size, the length it had when it was opened; a
// file that ends sooner (it shrank, or a read failed) ends there and records
// where in ended_short_at.
void ReadLine(SideFile& side);

// Positions the side at the start of file line `SectionStart` + 1: clears
// AtEof and sets LinesRead. Seeks straight to the line when its offset is in
// line_starts (without a seek when the read block holds it), else reads
// forward from byte 0. Returns false when the file cannot be positioned.
bool PositionSide(SideFile& side);

// Reads the first `count` bytes at most of a side opened at byte 0 and
// nothing read yet, and returns them (none when the file is empty or cannot
// be read); the line reader then goes on from them.
std::string_view ReadFirstBytes(SideFile& side, int64_t count);

// The byte offset at which the side's next unread line begins.
int64_t NextLineOffset(const SideFile& side);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_SIDE_FILE_H_
