// Each Dp dialect over any lines, its comment state carried from line to
// line as through a file: the filter stays within the line and never
// lengthens it.
#include "engine/compare_settings.h"
#include "engine/dp_filter.h"
#include "engine/input_line.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  using namespace kestrin::fuzz;
  InputReader input(data, size);
  ControlValues controls;
  controls.dp_choice = 1 + input.Choice(kDpOptionCount - 1);
  controls.dudc_embedded = input.Flag() ? "Yes" : "No";
  controls.dudc_tag = std::string(input.TextUpTo('\n'));
  CompareSettings settings;
  if (TakeSnapshot(controls, settings) != SnapshotVerdict::kValid || !settings.DpActive) return 0;

  DpCarry carry;
  while (!input.Rest().empty()) {
    std::string text(input.TextUpTo('\n'));
    // The reader never gives an empty line, nor one beyond its buffer.
    if (text.empty()) text = " ";
    text.resize(std::min<size_t>(text.size(), kMaxLineLength));
    InputLine line;
    line.Text = text;
    line.RawLen = static_cast<int16_t>(text.size());
    FilterLine(settings, carry, line, line.RawLen);
    Require(line.Text.size() == text.size());
  }
  return 0;
}
