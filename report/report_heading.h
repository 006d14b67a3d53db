// The file heading written above each pair's listing: the two file names with
// their times, and the ruler over the listing's columns.
#ifndef KESTRIN_REPORT_REPORT_HEADING_H_
#define KESTRIN_REPORT_REPORT_HEADING_H_

#include <cstdint>
#include <string>
#include <vector>

namespace kestrin {

// What the current pair's file heading shows.
// The times are kept as they were read and formatted only when the heading
// is written: most pairs of a directory run are alike and show none.
struct PairHeading {
  std::string new_file_name;  // full path
  int64_t new_file_age = 0;   // packed last-modified time
  std::string old_file_name;
  int64_t old_file_age = 0;
  int32_t longest_line = 0;  // the longer of the two sides' longest lines
};

// The ruler line over a pair's listing: "ID", two blanks and 80 ruler columns
// "----+----1----+ ... ----+----8", then without Fscl " N-REF# CHNG-TYPE   O-REF# LEN";
// with Fscl the ruler goes on over the longest line's columns past 80, up to 128.
std::string RulerLine(bool fscl, int32_t longest_line);

// The heading's three lines, the times in the system's short date and long
// time form: "New File = new/a.txt  01/02/24 03:04:05",
// "Old File = old/a.txt  01/02/24 03:04:05" and the ruler.
std::vector<std::string> HeadingLines(const PairHeading& heading, bool fscl);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_HEADING_H_
