// Where dropped files go, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "views/dropped_files_model.h"

namespace kestrin {
namespace {

std::string Shown(const DroppedFilePlacement& placement) {
  return "new=" + placement.new_name.value_or("-") + " old=" + placement.old_name.value_or("-");
}

TEST(MainDroppedFilesTest, PlacesByCountAndDropPoint) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/dropped_files.txt")) {
    const std::vector<std::string> names(c.fields.begin() + 2, c.fields.end());
    EXPECT_EQ(Shown(PlaceDroppedFiles(names, static_cast<int>(c.Number(0)), 100)), c[1])
        << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
