// The listing's line formatters: a four-character change flag, the line's
// text, and (without Fscl) the reference and change-type columns under the
// ruler " N-REF# CHNG-TYPE   O-REF# LEN".
#ifndef KESTRIN_REPORT_LISTING_FORMATS_H_
#define KESTRIN_REPORT_LISTING_FORMATS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin {

// Builds listing lines; with Fscl every line is its flag and up to 128
// characters of text, without it the text is cut or padded to 80 columns and
// the columns follow.
class ListingFormatter {
 public:
  explicit ListingFormatter(bool fscl) : fscl_(fscl) {}

  // Four blanks, the text in 80 columns, then " 00001              00002" and on
  // a run's first line "   2    " (a run length of 0 shows none).
  std::string Matched(std::string_view text, int64_t new_ref, int64_t old_ref,
                      int64_t run_length) const;
  // Four blanks, the text in 80 columns, " 00007 DPLINE(NEW) "
  std::string DpLine(std::string_view text, int64_t new_ref) const;
  // "RN- ", the text in 80 columns, " 00003 REFORM(NEW)  00004   2    "
  std::string ReformNew(std::string_view text, int64_t new_ref, int64_t old_ref,
                        int32_t run_count) const;
  // "RO- ", the old text in 80 columns, " 00003 REFORM(OLD)  00004"
  std::string ReformOld(std::string_view old_text, int64_t new_ref, int64_t old_ref) const;
  // "I - ", the text in 80 columns, " 00003 INSERT(NEW)          12   " on a
  // run's first line (continuation 0), " 00004 INSERT" on the others.
  std::string Insert(std::string_view text, int64_t new_ref, int32_t continuation,
                     int32_t run_length) const;
  // "IM- ", the text in 80 columns, " 00003 MOVE(N TO O) 00009"
  std::string InsertMoved(std::string_view text, int64_t new_ref, int64_t old_ref) const;
  // "D - ", the old text in 80 columns, "       DELETED(OLD) 00003   2    " on a
  // run's first line (continuation 0), "       DELETED      00004" on the others.
  std::string Delete(std::string_view old_text, int64_t old_ref, int32_t continuation,
                     int32_t run_length) const;
  // "DM- ", the old text in 80 columns, " 00009 MOVE(O TO N) 00003"
  std::string DeleteMoved(std::string_view old_text, int64_t new_ref, int64_t old_ref) const;

 private:
  std::string Start(std::string_view flag, std::string_view text) const;

  bool fscl_;
};

// The counts and first references of one Delta block.
struct DeltaBlock {
  int64_t matched = 0, inserted = 0, deleted = 0, reformatted = 0;
  int64_t first_new_ref = 0;  // first new line of the reformat run, else of the insert run
  int64_t first_old_ref = 0;  // first old line of the reformat run, else of the delete run
};

// The line in front of a Delta block: 88 blanks and
// "Mat/Ins/Del/Rfm=(12,1,1,0)", or with Fscl blanks up to past the longest
// line and "LRef#=00013 RRef#=00013".
std::string BlockLine(const DeltaBlock& block, bool fscl, int32_t longest_line);

// "   ************* 43 New File Lines Not Shown *****************************"
std::string NotShownLine(int64_t count);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_LISTING_FORMATS_H_
