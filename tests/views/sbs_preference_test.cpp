// The side-by-side save choice: the answer the window's controls give.
#include "views/sbs_preference.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

// A ticked append box left from an earlier save appends only when the file
// now exists; a ticked title box without a title adds no line.
TEST(SbsPreferenceTest, AppendOnlyToAnExistingFileAndATitleOnlyWhenThereIsOne) {
  for (const bool exists : {false, true}) {
    for (const bool ticked : {false, true}) {
      SbsControls controls;
      controls.title_checked = true;
      controls.append_checked = ticked;
      PrepareSbsControls(controls, SbsRequest{.stacked = true, .file_exists = exists});
      const SbsAnswer answer = SbsAnswerFrom(controls);
      EXPECT_EQ(answer.append, exists && ticked) << "exists " << exists << ", ticked " << ticked;
      EXPECT_TRUE(answer.stacked);
      EXPECT_FALSE(answer.title.has_value());
    }
  }
}

}  // namespace
}  // namespace kestrin
