// A text pair's bytes are read from its files once, although the listing
// reads each differing section again after it was matched.
#include <gtest/gtest.h>

#include <string>

#include "engine/pair_driver.h"
#include "engine/side_file.h"
#include "report/directory_run_info.h"
#include "report/report_generator.h"
#include "report/report_lines.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/scratch_directory.h"
#include "tests/common/silent_host.h"
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
    testkit::ScratchDirectory scratch;
    const std::string new_path = scratch.Write("new.txt", LongText(0));
    const std::string old_path = scratch.Write("old.txt", LongText(997));
    testkit::FaultyFileSystem fs;
    testkit::SilentHost host;
    PairList pairs;
    pairs.Add(new_path, old_path);
    ReportLines lines;
    DirectoryRunInfo info;
    bool halt = false;
    ControlValues controls = report_support::ControlsWith(listing, "None");
    ReportGenerator generator(lines, host, info);
    RunPairs(RunRequest{pairs, controls, halt, host, generator, fs});
    EXPECT_EQ(fs.bytes_read[new_path], static_cast<int64_t>(LongText(0).size())) << listing;
    EXPECT_EQ(fs.bytes_read[old_path], static_cast<int64_t>(LongText(997).size())) << listing;
  }
}

}  // namespace
}  // namespace kestrin
