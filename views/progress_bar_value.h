// What the main window's progress bar shows of a run's progress: the pairs
// done of the run's pairs, the pair in hand filling its own step by the
// bytes read of its size (so a run of one pair shows its bytes read).
#ifndef KESTRIN_VIEWS_PROGRESS_BAR_VALUE_H_
#define KESTRIN_VIEWS_PROGRESS_BAR_VALUE_H_

#include "engine/engine_host.h"

namespace kestrin {

struct ProgressBarValue {
  int value = 0;
  int maximum = 1;
  bool operator==(const ProgressBarValue&) const = default;
};

ProgressBarValue BarValueOf(const RunProgress& progress);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PROGRESS_BAR_VALUE_H_
