// A text pair's bytes are read from its files once, although the listing
// reads each differing section again after it was matched.
#include <gtest/gtest.h>

#include <string>

#include "engine/side_file.h"
#include "tests/common/faulty_file_system.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

// Lines of about 50 bytes, enough of them to fill two read blocks; the old
// file's line differs wherever `changed_every` divides its number.
std::string LongText(int changed_every) {
  std::string text;
  for (int k = 1; static_cast<int64_t>(text.size()) < 2 * kReadBlockSize; ++k) {
    if (changed_every > 0 && k % changed_every == 0) text += "changed ";
    text += "line " + std::to_string(k) + " of a pair longer than a read block\n";
  }
  return text;
}

TEST(ReadVolumeTest, EachByteIsReadOnce) {
  for (const char* listing : {"Chng", "Long"}) {
    testkit::FaultyFileSystem fs;
    report_support::ReportRun run;
    run.file_system = &fs;
    report_support::RunOnePair(LongText(0), LongText(997),
                               report_support::ControlsWith(listing, "None"), run);
    EXPECT_EQ(fs.bytes_read["new.txt"], std::ssize(LongText(0))) << listing;
    EXPECT_EQ(fs.bytes_read["old.txt"], std::ssize(LongText(997))) << listing;
  }
}

}  // namespace
}  // namespace kestrin
