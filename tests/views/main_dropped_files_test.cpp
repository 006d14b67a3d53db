// Where dropped files go, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/dropped_files_model.h"

namespace kestrin {
namespace {

std::string Shown(const DroppedFilePlacement& placement) {
  return "new=" + placement.new_name.value_or("-") + " old=" + placement.old_name.value_or("-");
}

TEST(MainDroppedFilesTest, PlacesByCountAndDropPoint) {
  struct Case {
    std::vector<std::string> names;
    int drop_y;
    const char* expected;
  };
  const int old_top = 100;
  const Case cases[] = {
      {{"/d/One.TXT"}, 10, "new=/d/One.TXT old=-"},
      {{"/d/One.TXT"}, 99, "new=/d/One.TXT old=-"},
      {{"/d/One.TXT"}, 100, "new=- old=/d/One.TXT"},
      {{"/d/One.TXT"}, 400, "new=- old=/d/One.TXT"},
      {{"/d/a", "/d/b"}, 400, "new=/d/a old=/d/b"},
      {{"/d/a", "/d/b", "/d/c"}, 10, "new=/d/a old=/d/b"},
      {{}, 10, "new=- old=-"},
  };
  for (const Case& c : cases) {
    std::string input = "y=" + std::to_string(c.drop_y);
    for (const std::string& name : c.names) input += " " + name;
    EXPECT_EQ(Shown(PlaceDroppedFiles(c.names, c.drop_y, old_top)), c.expected) << input;
  }
}

}  // namespace
}  // namespace kestrin
