// The line reader over any bytes: every line fits its buffer, the reader
// ends, and a side positioned at a later line reads the same lines again.
#include "engine/side_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  using namespace kestrin::fuzz;
  InputReader input(data, size);
  SideFile side;
  side.Ieof = input.Flag();
  const int start_choice = input.Choice(256);
  const size_t most = input.Rest().size() + 1;
  side.handle = std::make_unique<MemoryInputFile>(std::string(input.Rest()));
  Require(side.handle->SeekToEnd(&side.file_size) && side.handle->Seek(0));
  // Each line takes at least one byte, a cut one none more than its length.
  const auto lines_left = [&side, most] {
    std::vector<std::string> lines;
    for (ReadLine(side); !side.AtEof; ReadLine(side)) {
      Require(side.line_length >= 1 && side.line_length <= kMaxLineLength);
      lines.emplace_back(side.LineBuffer, static_cast<size_t>(side.line_length));
      Require(lines.size() <= most);
    }
    return lines;
  };
  const std::vector<std::string> lines = lines_left();

  // Positioned again without recorded line starts, the side reads forward
  // from byte 0 to the section's first line.
  const size_t start = lines.empty() ? 0 : static_cast<size_t>(start_choice) % lines.size();
  side.SectionStart = static_cast<int32_t>(start);
  Require(PositionSide(side));
  const std::vector<std::string> again = lines_left();
  Require(again == std::vector<std::string>(lines.begin() + static_cast<long>(start), lines.end()));
  return 0;
}
