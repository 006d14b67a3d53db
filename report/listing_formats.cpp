// The listing's line formatters.
#include "report/listing_formats.h"

#include <algorithm>

#include "report/report_format.h"
#include "report/report_lines.h"
#include "report/report_texts.h"

namespace kestrin {

std::string ListingFormatter::Start(std::string_view flag, std::string_view text) const {
  std::string line;
  line.reserve(kReportLineWidth);
  line.append(flag);
  if (fscl_) {
    line.append(CutTo(text, kText128Width));
  } else {
    AppendPadded(line, text, kText80Width);
  }
  return line;
}

std::string ListingFormatter::Matched(std::string_view text, int64_t new_ref, int64_t old_ref,
                                      int64_t run_length) const {
  std::string line = Start(kFlagBlank, text);
  if (fscl_) return line;
  AppendNumbers(line, kMatchedColumnsFormat, {new_ref, old_ref});
  if (run_length > 0) AppendNumbers(line, kRunLengthFormat, {run_length});
  return line;
}

std::string ListingFormatter::DpLine(std::string_view text, int64_t new_ref) const {
  std::string line = Start(kFlagBlank, text);
  if (!fscl_) AppendNumbers(line, kDpLineColumnsFormat, {new_ref});
  return line;
}

std::string ListingFormatter::ReformNew(std::string_view text, int64_t new_ref, int64_t old_ref,
                                        int32_t run_count) const {
  std::string line = Start(kFlagReformNew, text);
  if (!fscl_) AppendNumbers(line, kReformNewColumnsFormat, {new_ref, old_ref, run_count});
  return line;
}

std::string ListingFormatter::ReformOld(std::string_view old_text, int64_t new_ref,
                                        int64_t old_ref) const {
  std::string line = Start(kFlagReformOld, old_text);
  if (!fscl_) AppendNumbers(line, kReformOldColumnsFormat, {new_ref, old_ref});
  return line;
}

std::string ListingFormatter::Insert(std::string_view text, int64_t new_ref, int32_t continuation,
                                     int32_t run_length) const {
  std::string line = Start(kFlagInserted, text);
  if (fscl_) return line;
  if (continuation == 0) {
    AppendNumbers(line, kInsertFirstColumnsFormat, {new_ref, run_length});
  } else {
    AppendNumbers(line, kInsertColumnsFormat, {new_ref});
  }
  return line;
}

std::string ListingFormatter::InsertMoved(std::string_view text, int64_t new_ref,
                                          int64_t old_ref) const {
  std::string line = Start(kFlagInsertedMoved, text);
  if (!fscl_) AppendNumbers(line, kInsertMovedColumnsFormat, {new_ref, old_ref});
  return line;
}

std::string ListingFormatter::Delete(std::string_view old_text, int64_t old_ref,
                                     int32_t continuation, int32_t run_length) const {
  std::string line = Start(kFlagDeleted, old_text);
  if (fscl_) return line;
  if (continuation == 0) {
    AppendNumbers(line, kDeleteFirstColumnsFormat, {old_ref, run_length});
  } else {
    AppendNumbers(line, kDeleteColumnsFormat, {old_ref});
  }
  return line;
}

std::string ListingFormatter::DeleteMoved(std::string_view old_text, int64_t new_ref,
                                          int64_t old_ref) const {
  std::string line = Start(kFlagDeletedMoved, old_text);
  if (!fscl_) AppendNumbers(line, kDeleteMovedColumnsFormat, {new_ref, old_ref});
  return line;
}

std::string BlockLine(const DeltaBlock& block, bool fscl, int32_t longest_line) {
  if (!fscl) {
    return std::string(kBlockLineIndent, ' ') + FormatText(kBlockCountsFormat, block.matched,
                                                           block.inserted, block.deleted,
                                                           block.reformatted);
  }
  const int32_t shown = std::min(longest_line, static_cast<int32_t>(kText128Width));
  const int32_t indent =
      std::max(kBlockMinimumWidth, shown + kBlockWidthMargin) - kBlockWidthOffset;
  std::string line(static_cast<size_t>(indent), ' ');
  if (block.inserted > 0 || block.reformatted >= 1) {
    line += FormatText(kBlockNewRefFormat, block.first_new_ref);
  } else {
    line.append(kBlockNewRefWidth, ' ');
  }
  if (block.deleted > 0 || block.reformatted >= 1) {
    line += FormatText(kBlockOldRefFormat, block.first_old_ref);
  }
  return line;
}

std::string NotShownLine(int64_t count) { return FormatText(kNotShownFormat, count); }

}  // namespace kestrin
