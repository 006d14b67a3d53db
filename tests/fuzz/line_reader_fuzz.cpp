// The line reader over any bytes: every line fits its buffer, the reader
// ends, and a side positioned at a later line reads the same lines again.
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/side_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace kestrin::fuzz {
namespace {

void Require(bool holds) { if (!holds) std::abort(); }

std::vector<std::string> LinesLeft(SideFile& side, size_t most) {
  std::vector<std::string> lines;
  for (ReadLine(side); !side.AtEof; ReadLine(side)) {
    Require(side.line_length >= 1 && side.line_length <= kMaxLineLength);
    lines.emplace_back(side.LineBuffer, static_cast<size_t>(side.line_length));
    // Each line takes at least one byte, a cut one none more than its length.
    Require(lines.size() <= most);
  }
  return lines;
}

}  // namespace
}  // namespace kestrin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  using namespace kestrin::fuzz;
  InputReader input(data, size);
  const bool ieof = input.Flag();
  const uint8_t start_choice = input.Byte();
  MemoryFileSystem fs;
  SideFile side;
  side.file_name = "/fuzz/input";
  fs.files[side.file_name] = std::string(input.Rest());
  const size_t most = input.Rest().size() + 1;
  int error = 0;
  side.Ieof = ieof;
  side.handle = fs.OpenRead(side.file_name, &error);
  Require(side.handle != nullptr && side.handle->SeekToEnd(&side.file_size) &&
          side.handle->Seek(0));
  const std::vector<std::string> lines = LinesLeft(side, most);

  // Positioned again without recorded line starts, the side reads forward
  // from byte 0 to the section's first line.
  const size_t start = lines.empty() ? 0 : start_choice % lines.size();
  side.SectionStart = static_cast<int32_t>(start);
  Require(PositionSide(side));
  const std::vector<std::string> again = LinesLeft(side, most);
  Require(again == std::vector<std::string>(lines.begin() + static_cast<long>(start), lines.end()));
  return 0;
}
