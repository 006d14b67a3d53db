// Placeholder until the Dp filters land: blank lines only.
#include "engine/dp_filter.h"

namespace kestrin {

void FilterLine(const CompareSettings&, DpCarry&, InputLine& line, int32_t length) {
  for (int32_t i = 0; i < length; ++i) {
    if (line.Text[i] != ' ') return;
  }
  line.IsDp = true;
}

}  // namespace kestrin
