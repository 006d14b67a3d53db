// The main window's progress bar: pairs done of the run's pairs, the pair in
// hand filled by its bytes read.
#include "views/progress_bar_value.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

TEST(ProgressBarValueTest, PairsDoneAndTheBytesOfThePairInHand) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/progress_bar.txt")) {
    const RunProgress progress{static_cast<int32_t>(c.Number(0)), static_cast<int32_t>(c.Number(1)),
                               c.Number(2), c.Number(3)};
    EXPECT_EQ(BarValueOf(progress),
              (ProgressBarValue{static_cast<int>(c.Number(4)), static_cast<int>(c.Number(5))}))
        << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
