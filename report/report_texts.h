// The report's fixed texts and line formats, in one place. The viewers
// classify lines by their leading characters, so those are fixed parts of the
// formats; the column positions of the listing and the summaries are too.
#ifndef KESTRIN_REPORT_REPORT_TEXTS_H_
#define KESTRIN_REPORT_REPORT_TEXTS_H_

#include <cinttypes>
#include <cstddef>
#include <string_view>

#include "engine/compare_settings.h"

namespace kestrin {

// ---- Report line store and file heading ----

// Shown when the store cannot take another line:
// "Results exceeded StingList maximum number of 1000.\nOutput results prematurely suspended."
inline constexpr char kStoreFullFormat[] =
    "Results exceeded StingList maximum number of %d.\nOutput results prematurely suspended.";
// Status text every 60 listing lines, the pair counted from 1:
// "Writing Report lines Output Line = 60    - Proc File(1) of (1)."
inline constexpr char kWritingReportStatusFormat[] =
    "Writing Report lines Output Line = %d    - Proc File(%d) of (%d).";
inline constexpr int kProgressInterval = 60;
// Shown once when the report cannot be moved to its temporary file; the
// lines stay in memory.
inline constexpr std::string_view kSpillFailedText =
    "The report could not be moved to a temporary file; it is kept in memory.";
// The temporary file a large report moves to: the prefix, the process id,
// "-", a number counting the files of the process, and the suffix:
// "kestrin-report-4711-0.spill".
inline constexpr std::string_view kSpillFilePrefix = "kestrin-report-";
inline constexpr std::string_view kSpillFileSuffix = ".spill";

// "New File = /data/new/a.txt  12/06/26 06:14:02"
inline constexpr char kNewFileFormat[] = "New File = %s  %s";
// "Old File = /data/old/a.txt  12/06/26 06:14:02"
inline constexpr char kOldFileFormat[] = "Old File = %s  %s";
// The ruler over the listing: "ID", two blanks and 80 ruler columns.
inline constexpr std::string_view kRulerFixed =
    "ID  ----+----1----+----2----+----3----+----4----+----5----+----6----+----7----+----8";
// With Fscl, the ruler goes on over the longest line's columns past 80.
inline constexpr std::string_view kRulerContinuation =
    "----+----9----+----10---+----11---+----12---+----13---+----14---+----15---+----16---+----17---"
    "+"
    "----18---+----19---+----2";
// Without Fscl, the headings of the reference and change-type columns.
inline constexpr std::string_view kRulerColumns = " N-REF# CHNG-TYPE   O-REF# LEN";

inline constexpr std::string_view kOneBlankLine = " ";
inline constexpr std::string_view kTwoBlankLine = "  ";

// ---- Listing lines ----

// The four-character change-flag column.
inline constexpr std::string_view kFlagBlank = "    ";
inline constexpr std::string_view kFlagInserted = "I - ";
inline constexpr std::string_view kFlagInsertedMoved = "IM- ";
inline constexpr std::string_view kFlagDeleted = "D - ";
inline constexpr std::string_view kFlagDeletedMoved = "DM- ";
inline constexpr std::string_view kFlagReformNew = "RN- ";
inline constexpr std::string_view kFlagReformOld = "RO- ";
inline constexpr size_t kFlagWidth = 4;
// Listing text: 80 columns without Fscl (padded), up to 128 with it.
inline constexpr size_t kText80Width = 80;
inline constexpr size_t kText128Width = 128;

// After the text of a matched line: " 00001              00001"; on the first
// line of a run the run length follows: "   2    ".
inline constexpr char kMatchedColumnsFormat[] = " %.5" PRId64 "              %.5" PRId64;
inline constexpr char kRunLengthFormat[] = "   %-5" PRId64;
// " 00007 DPLINE(NEW) "
inline constexpr char kDpLineColumnsFormat[] = " %.5" PRId64 " DPLINE(NEW) ";
// " 00003 REFORM(NEW)  00003   1    "
inline constexpr char kReformNewColumnsFormat[] = " %.5" PRId64 " REFORM(NEW)  %.5" PRId64 "   %-5d";
// " 00003 REFORM(OLD)  00003"
inline constexpr char kReformOldColumnsFormat[] = " %.5" PRId64 " REFORM(OLD)  %.5" PRId64;
// " 00003 INSERT(NEW)          2    " on a run's first line, " 00004 INSERT" after.
inline constexpr char kInsertColumnsFormat[] = " %.5" PRId64 " INSERT";
inline constexpr char kInsertFirstColumnsFormat[] = " %.5" PRId64 " INSERT(NEW)          %-5d";
// " 00003 MOVE(N TO O) 00009"
inline constexpr char kInsertMovedColumnsFormat[] = " %.5" PRId64 " MOVE(N TO O) %.5" PRId64;
// "       DELETED(OLD) 00003   2    " on a run's first line, "       DELETED      00004" after.
inline constexpr char kDeleteFirstColumnsFormat[] = "       DELETED(OLD) %.5" PRId64 "   %-5d";
inline constexpr char kDeleteColumnsFormat[] = "       DELETED      %.5" PRId64;
// " 00009 MOVE(O TO N) 00003"
inline constexpr char kDeleteMovedColumnsFormat[] = " %.5" PRId64 " MOVE(O TO N) %.5" PRId64;

// Delta block line: 88 blanks, then "Mat/Ins/Del/Rfm=(12,1,1,0)".
inline constexpr size_t kBlockLineIndent = 88;
inline constexpr char kBlockCountsFormat[] = "Mat/Ins/Del/Rfm=(%" PRId64 ",%" PRId64 ",%" PRId64 ",%" PRId64 ")";
// With Fscl: blanks, then "LRef#=00013 RRef#=00013".
inline constexpr char kBlockNewRefFormat[] = "LRef#=%-.5" PRId64 " ";
inline constexpr char kBlockOldRefFormat[] = "RRef#=%-.5" PRId64;
inline constexpr size_t kBlockNewRefWidth = 12;
inline constexpr int kBlockMinimumWidth = 28;
inline constexpr int kBlockWidthMargin = 4;
inline constexpr int kBlockWidthOffset = 23;

// Chng: "   ************* 43 New File Lines Not Shown *****************************"
inline constexpr char kNotShownFormat[] =
    "   ************* %" PRId64 " New File Lines Not Shown *****************************";

// ---- A pair's faults ----

// Which file a fault line is about, and what could not be done to it.
inline constexpr char kNewInputFile[] = "New Input File";
inline constexpr char kOldInputFile[] = "Old Input File";
inline constexpr char kInputFile[] = "Input File";
inline constexpr char kFaultOpened[] = "opened";
inline constexpr char kFaultPositioned[] = "positioned";
// A pair that could not be opened, with the system's reason:
// "*** Not compared: New Input File "/data/new/a.txt" could not be opened: Permission denied"
inline constexpr char kOpenFailedFormat[] = "*** Not compared: %s \"%s\" could not be %s: %s";
// A side that ended before the length it had when it was opened:
// "*** Old Input File "/data/old/a.txt" ended at byte 512 of the 1024 found when it was opened."
inline constexpr char kEndedShortFormat[] =
    "*** %s \"%s\" ended at byte %lld of the %lld found when it was opened.";
// "*** New Input File "/data/new/a.txt" could not be read past byte 512: Input/output error"
inline constexpr char kReadFailedFormat[] = "*** %s \"%s\" could not be read past byte %lld: %s";

// ---- Per-pair summary ----

inline constexpr std::string_view kPairSummaryTitle =
    "INDIVIDUAL PAIRED FILE COMPARE TOTALS AND STATISTICS SECTION";
// "      4 Number Of Line Matches          1 Total Changes (Paired+NonPaired Chg) "
inline constexpr char kPairMatchesFormat[] =
    "%7" PRId64 " Number Of Line Matches    %7" PRId64 " Total Changes (Paired+NonPaired Chg) ";
// "      0 Reformatted Lines               1 Paired Changes (Refm+Paired Ins/Del)"
inline constexpr char kPairReformatsFormat[] =
    "%7" PRId64 " Reformatted Lines         %7" PRId64 " Paired Changes (Refm+Paired Ins/Del)";
// "      1 New File Line Insertions        0 Non-Paired Inserts (Ins Paired-Chg)"
inline constexpr char kPairInsertionsFormat[] =
    "%7" PRId64 " New File Line Insertions  %7" PRId64 " Non-Paired Inserts (Ins Paired-Chg)";
// "      1 Old File Line Deletions         0 Non-Paired Deletes (Del Paired-Chg)"
inline constexpr char kPairDeletionsFormat[] =
    "%7" PRId64 " Old File Line Deletions   %7" PRId64 " Non-Paired Deletes (Del Paired-Chg)";
// "      7 New File Lines Processed " and, with a Dp option,
// "      3 New Dp/Cmt + 0 Part New Dp/Comments" after one more blank.
inline constexpr char kNewLinesProcessedFormat[] = "%7" PRId64 " New File Lines Processed ";
inline constexpr char kOldLinesProcessedFormat[] = "%7" PRId64 " Old File Lines Processed ";
inline constexpr char kNewDpCountsFormat[] = "%7" PRId64 " New Dp/Cmt + %" PRId64 " Part New Dp/Comments";
inline constexpr char kOldDpCountsFormat[] = "%7" PRId64 " Old Dp/Cmt + %" PRId64 " Part Old Dp/Comments";
// "      2 Number of Moved lines detected"
inline constexpr char kPairMovedFormat[] = "%7" PRId64 " Number of Moved lines detected";
inline constexpr std::string_view kMovedSubOptimal =
    "Moved Line detection sub optimal due to compare set size.";
// "    512 New Bin File Size Processed     512 Old Bin File Size Processed"
inline constexpr char kPairBinarySizesFormat[] =
    "%7lld New Bin File Size Processed %7lld Old Bin File Size Processed";
// "LISTING-TYPE = Chng  OPTIONS = None  LONGEST-LINE = (12/12)"
inline constexpr char kListingOptionsFormat[] = "LISTING-TYPE = %s  OPTIONS = %s";
inline constexpr char kLongestLineSuffixFormat[] = "  LONGEST-LINE = (%d/%d)";
inline constexpr char kOptionsFormat[] = "OPTIONS = %s";
inline constexpr char kLongestLineFormat[] = "LONGEST-LINE = (%d/%d)";
inline constexpr std::string_view kAeqfNote =
    "AEqF option & equal \"Time-Date-Length\" suppressed \"Old File\" comparison.";
// "NEW-COMPARE-COLUMNS (1:eol) MAX-NEW-COMP-LEN = 40"
inline constexpr char kNewColumnsOneFormat[] = "NEW-COMPARE-COLUMNS (%d:%s) MAX-NEW-COMP-LEN = %d";
// "NEW-COMPARE-COLUMNS (1:6) + (10:eol)  MAX-NEW-COMP-LEN = 37"
// A range end of 0 (end of line) prints as "eol" in either range.
inline constexpr char kNewColumnsTwoFormat[] =
    "NEW-COMPARE-COLUMNS (%d:%s) + (%d:%s)  MAX-NEW-COMP-LEN = %d";
inline constexpr char kOldColumnsOneFormat[] = "OLD-COMPARE-COLUMNS (%d:%s) MAX-OLD-COMP-LEN = %d";
inline constexpr char kOldColumnsTwoFormat[] =
    "OLD-COMPARE-COLUMNS (%d:%s) + (%d:%s)  MAX-OLD-COMP-LEN = %d";
inline constexpr std::string_view kEndOfLineColumn = kEndOfLineStop;
// "WARN: "CCOL" start value < some line lengths. New Lines = 2  Old Lines = 0 treated as null blank
// lines."
inline constexpr char kCcolWarningFormat[] =
    "WARN: \"CCOL\" start value < some line lengths. New Lines = %" PRId64 "  Old Lines = %" PRId64 " treated as "
    "null blank lines.";
// "DUDC-DP-OPTION-LEADING-COMMENT-TEXT = "#". EMBEDDED-USE = "No"."
inline constexpr char kDudcFormat[] =
    "DUDC-DP-OPTION-LEADING-COMMENT-TEXT = \"%s\". EMBEDDED-USE = \"%s\".";
inline constexpr std::string_view kNewEofIgnored =
    "WARN: \"Ieof\" opt allowed premature new file EOF char(26) to be ignored.";
inline constexpr std::string_view kNewEofEnded =
    "WARN: New file EOF char(26) prematurely terminated text input.";
inline constexpr std::string_view kOldEofIgnored =
    "WARN: \"Ieof\" opt allowed premature old file EOF char(26) to be ignored.";
inline constexpr std::string_view kOldEofEnded =
    "WARN: Old file EOF char(26) prematurely terminated text input.";
inline constexpr std::string_view kLinesSplitWarning =
    "WARN: Lines GT. 2048 characters were split off into separate lines before being processed.";

// ---- Directory overall summary ----

inline constexpr std::string_view kDirectorySummaryTitle =
    "Kestrin GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION";
// "New Dir = /data/new " and "Old Dir = /data/old "
inline constexpr char kNewDirFormat[] = "New Dir = %s ";
inline constexpr char kOldDirFormat[] = "Old Dir = %s ";
inline constexpr std::string_view kPairTableHeadingTwoLists =
    "Code  New-Fi-Name      Old-Fi-Name     New-Proc Old-Proc Num-Mat New-Ins Old-Del Num-Refm "
    "Tot-Chg N-DpLns O-DpLns";
inline constexpr std::string_view kPairTableHeading =
    "Code  New/Old-Fi-Name     New-Proc Old-Proc Num-Mat New-Ins Old-Del Num-Refm Tot-Chg N-DpLns "
    "O-DpLns";
// The five-character code that starts a pair row.
inline constexpr std::string_view kCodeEqualByAeqf = "TDL= ";
inline constexpr std::string_view kCodeChanged = "*    ";
inline constexpr std::string_view kCodeEqual = "     ";
// A pair that could not be opened; its fault line above names why.
inline constexpr std::string_view kCodeNotCompared = "ERR  ";
// " new-name.txt     old-name.txt     " (compare type 4) or " a-name.txt           ".
inline constexpr char kRowTwoNamesFormat[] = " %-16s %-16s ";
inline constexpr char kRowOneNameFormat[] = " %-20s ";
inline constexpr size_t kRowTwoNamesWidth = 16;
inline constexpr size_t kRowOneNameWidth = 20;
// "    512      512   **Binary File**"
inline constexpr char kRowBinaryFormat[] = "%7lld  %7lld   **Binary File**";
// "     10       10       8       1       1         1       2       0       0"
inline constexpr char kRowTextFormat[] = "%7" PRId64 "  %7" PRId64 " %7" PRId64 " %7" PRId64 " %7" PRId64 "  %7" PRId64 " %7" PRId64 " %7" PRId64 " %7" PRId64;
inline constexpr std::string_view kPairTableLegend =
    "Code: \"Blank\" - Equal, \"* \" - Change File, TDL= - Time-Date-Length equal(files assummed "
    "equal)";
// File counts: "      3 Total New/Old Paired Text Files Processed."
inline constexpr char kTextFilesFormat[] = "%7d Total New/Old Paired Text Files Processed.";
inline constexpr char kTxfoSkippedFormat[] =
    "%7d Total Paired New/Old Binary Files Not Processed due to Txfo option.";
inline constexpr char kBinaryFilesFormat[] = "%7d Total New/Old Paired Binary Files Processed.";
inline constexpr char kChangedPairsFormat[] =
    "%7d Total New/Old Paired Files Processed had Changes.";
inline constexpr char kUnchangedPairsFormat[] =
    "%7d Total New/Old Paired Files Processed had No Changes.";
inline constexpr char kNewDirectoryFilesFormat[] = "%7d Total Files in New Directory.";
inline constexpr char kOldDirectoryFilesFormat[] = "%7d Total Files in Old Directory.";
inline constexpr char kFilesProcessedFormat[] = "%7d Total New + Old Files Processed.";
inline constexpr char kUnpairedNewFormat[] = "%7d Total UnPaired New Files Not Processed.";
inline constexpr char kUnpairedOldFormat[] = "%7d Total UnPaired Old Files Not Processed.";
inline constexpr char kAeqfPairsFormat[] =
    "%7d Total New/Old Paired Files Processed as Equal-Time-Date-Len Equivalent.";
// Line totals.
inline constexpr std::string_view kLineTotalsTitle =
    "Kestrin GROUPED PAIRED TEXT/BINARY FILE COMPARE SUMMARY TOTALS SECTION ";
inline constexpr char kTotalMatchesFormat[] =
    "%7" PRId64 " Number Of Line Matches   %7" PRId64 " Total Changes (Paired+NonPaired Chg)";
inline constexpr char kTotalReformatsFormat[] =
    "%7" PRId64 " Total Reformatted Lines  %7" PRId64 " Paired Changes (Refm+Paired Ins/Del)";
inline constexpr char kTotalInsertionsFormat[] =
    "%7" PRId64 " New File Line Insertions %7" PRId64 " Non-Paired Inserts (Extra Ins in Seq.)";
inline constexpr char kTotalDeletionsFormat[] =
    "%7" PRId64 " Old File Line Deletions  %7" PRId64 " Non-Paired Deletes (Extra Del in Seq.)";
inline constexpr char kTotalMovedFormat[] = "%7" PRId64 " Number of Inserted/Deleted (Moved lines) detected";
// The binary size line, widened for large totals:
// "    512 New Bin Size Processed       512 Old Bin File Size Processed"
inline constexpr char kTotalBinarySizes7Format[] =
    "%7lld New Bin Size Processed   %7lld Old Bin File Size Processed";
inline constexpr char kTotalBinarySizes8Format[] =
    "%8lld New Bin Size Processed   %8lld Old Bin File Size Processed";
inline constexpr char kTotalBinarySizes9Format[] =
    "%9lld New Bin Size Processed   %9lld Old Bin File Size Processed";
inline constexpr long long kSevenPlaceNewLimit = 10000001;
inline constexpr long long kSevenPlaceOldLimit = 10000000;
inline constexpr long long kEightPlaceNewLimit = 100000001;
inline constexpr long long kEightPlaceOldLimit = 100000000;
// Unpaired files.
inline constexpr std::string_view kUnpairedTitle =
    " LIST OF UNPAIRED NEW AND OLD FILES NOT PROCESSED ";
inline constexpr std::string_view kAllFilesPaired =
    "  All New Dir Files and Old Dir Files were Like-Named Paired";
// " New File Name (2)                    Old File Name (1)"
inline constexpr char kUnpairedHeadingFormat[] =
    " New File Name (%d)                    Old File Name (%d)";
inline constexpr char kUnpairedNewFormatRow[] = " %-40s";
inline constexpr std::string_view kUnpairedSeparator = " : ";
inline constexpr char kUnpairedOldOnlyFormat[] = " %-40s  :       %-40s";
inline constexpr size_t kUnpairedNameWidth = 40;
// An entry that cannot be compared, its side and the system's reason:
// " loop.txt                                  (New) Too many levels of symbolic links"
inline constexpr char kUnusableRowFormat[] = " %-40s  (%s) %s";
inline constexpr char kUnusableNewSide[] = "New";
inline constexpr char kUnusableOldSide[] = "Old";
// Entries below the run directories not compared (subdirectories included).
inline constexpr std::string_view kNotComparedTitle =
    " LIST OF NEW AND OLD SUBDIRECTORIES AND LINKS NOT COMPARED ";
// " New: sub/locked -- Permission denied"
inline constexpr char kNewNotComparedFormat[] = " New: %s -- %s";
inline constexpr char kOldNotComparedFormat[] = " Old: %s -- %s";
// Hand-picked pairs.
inline constexpr std::string_view kPickedLikeNamesTitle =
    " USER SELECT FROM LIKE-NAME FILE LIST -- COMPARE OPTION (3)";
inline constexpr std::string_view kPickedPairsTitle =
    " USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE OPTION (4)";
inline constexpr std::string_view kPickedPairIndent = "  ";
inline constexpr std::string_view kPickedPairSeparator = "  :  ";
// Shorten: a long name keeps its first w - 6 characters, "..", its last 4.
inline constexpr std::string_view kShortenMark = "..";
inline constexpr size_t kShortenTail = 4;

// ---- Viewer rows ----

// The texts of a row outside the list, one per side, e.g.
// "*** Orpheus VCL Program Error  - Negative index\" -1\" to GetItem*** ".
inline constexpr const char* kSingleOutOfRangeFormat =
    "*** Orpheus VCL Program Error  - Negative index\" %" PRId64 "\" to GetItem*** ";
inline constexpr const char* kInsertsOutOfRangeFormat =
    "*** Orpheus VCL Program Error  - Invalid index\" %" PRId64 "\" to GetItem*** ";
inline constexpr const char* kDeletesOutOfRangeFormat =
    "*** Orpheus VCL Program Error  - Improper index\" %" PRId64 "\" to GetItem*** ";

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_TEXTS_H_
