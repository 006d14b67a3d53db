// The printf-free number formatting the listing uses, held against the
// C library's printf on the report's integer conversions.
#include "report/report_format.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrin {
namespace {

TEST(AppendNumbersTest, WritesWhatPrintfWrites) {
  const std::vector<int64_t> values = {0, 1, 7, 42, 12345, 99999, 100000, 1234567, -3, -12345};
  for (const char* format :
       {" %.5" PRId64 "              %.5" PRId64, "   %-5" PRId64 "|%-5" PRId64,
        " %5" PRId64 "|%" PRId64, "%%%.3" PRId64 "%%%" PRId64}) {
    for (int64_t a : values) {
      for (int64_t b : values) {
        std::string appended = "x";
        AppendNumbers(appended, format, {a, b});
        EXPECT_EQ(appended, "x" + FormatText(format, a, b))
            << "format [" << format << "] values " << a << ", " << b;
      }
    }
  }
}

}  // namespace
}  // namespace kestrin
