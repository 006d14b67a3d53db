// What the run controller tells the report about a run beyond its pair list:
// the compare type, the directories and file lists behind the pairs, and the
// main panel's texts that the summaries print.
#ifndef KESTRIN_REPORT_DIRECTORY_RUN_INFO_H_
#define KESTRIN_REPORT_DIRECTORY_RUN_INFO_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace kestrin {

// The compare types of the main panel's selector, numbered as it shows them.
inline constexpr int kCompareTwoFiles = 1;         // "1. New and Old Files Specified"
inline constexpr int kCompareLikeNamedFiles = 2;   // every like-named pair of two directories
inline constexpr int kComparePickedLikeNames = 3;  // pairs picked from one like-name list
inline constexpr int kComparePickedPairs = 4;      // pairs picked from the two directories' lists

// An entry below a run directory that a compare including subdirectories
// could not take in: a subdirectory or link by its relative path, and why.
struct NotComparedEntry {
  std::string path;    // "sub/locked"
  std::string reason;  // "Permission denied"
};

struct DirectoryRunInfo {
  int compare_type = kCompareTwoFiles;  // 1 to 4
  // The new and old directory names as the main panel shows them.
  std::string new_directory;
  std::string old_directory;
  // Every file of the new and old directory, in listing order (compare types
  // 2 to 4); the unpaired-file rows walk them.
  std::vector<std::string> new_directory_files;
  std::vector<std::string> old_directory_files;
  // Entries of each directory that cannot be compared, with the system's
  // reason; counted among the unpaired files.
  std::vector<UnusableEntry> new_unusable_files;
  std::vector<UnusableEntry> old_unusable_files;
  int32_t unpaired_new_files = 0;
  int32_t unpaired_old_files = 0;
  // With subdirectories included: what of each tree was not compared.
  std::vector<NotComparedEntry> new_not_compared;
  std::vector<NotComparedEntry> old_not_compared;
  // The OPTIONS text as the main panel shows it: "None" or keywords such as
  // "Dcpp Icas Fmvl".
  std::string options_text = "None";
  // The Dudc comment text and its embedded-use choice as entered on the Dp
  // page ("Yes" or "No").
  std::string dudc_text = "#";
  std::string dudc_embedded = "No";

  // True iff the run compares every like-named pair of two directories: only
  // then does the summary count the directories' files and list the unpaired.
  bool DirectoryCompare() const { return compare_type == kCompareLikeNamedFiles; }
  // True iff the user picked the pairs by hand (compare type 3 or 4).
  bool PairsPicked() const {
    return compare_type == kComparePickedLikeNames || compare_type == kComparePickedPairs;
  }
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_DIRECTORY_RUN_INFO_H_
