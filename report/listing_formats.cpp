// The listing's line formatters.
#include "report/listing_formats.h"

#include <algorithm>

#include "report/report_format.h"
#include "report/report_texts.h"

namespace kestrin {

std::string ListingFormatter::Start(std::string_view flag, std::string_view text) const {
  std::string line(flag);
  if (fscl_) {
    line += CutTo(text, kText128Width);
  } else {
    line += PadTo(text, kText80Width);
  }
  return line;
}

std::string ListingFormatter::RunLength(int64_t run_length) {
  return FormatText(kRunLengthFormat, run_length);
}

std::string ListingFormatter::Matched(std::string_view text, int64_t new_ref, int64_t old_ref,
                                      int32_t run_length) const {
  std::string line = Start(kFlagBlank, text);
  if (fscl_) return line;
  line += FormatText(kMatchedColumnsFormat, new_ref, old_ref);
  if (run_length > 0) line += RunLength(run_length);
  return line;
}

std::string ListingFormatter::DpLine(std::string_view text, int64_t new_ref) const {
  std::string line = Start(kFlagBlank, text);
  if (!fscl_) line += FormatText(kDpLineColumnsFormat, new_ref);
  return line;
}

std::string ListingFormatter::ReformNew(std::string_view text, int64_t new_ref, int64_t old_ref,
                                        int32_t run_count) const {
  std::string line = Start(kFlagReformNew, text);
  if (!fscl_) line += FormatText(kReformNewColumnsFormat, new_ref, old_ref, run_count);
  return line;
}

std::string ListingFormatter::ReformOld(std::string_view old_text, int64_t new_ref,
                                        int64_t old_ref) const {
  std::string line = Start(kFlagReformOld, old_text);
  if (!fscl_) line += FormatText(kReformOldColumnsFormat, new_ref, old_ref);
  return line;
}

std::string ListingFormatter::Insert(std::string_view text, int64_t new_ref, int32_t continuation,
                                     int32_t run_length) const {
  std::string line = Start(kFlagInserted, text);
  if (fscl_) return line;
  line += continuation == 0 ? FormatText(kInsertFirstColumnsFormat, new_ref, run_length)
                            : FormatText(kInsertColumnsFormat, new_ref);
  return line;
}

std::string ListingFormatter::InsertMoved(std::string_view text, int64_t new_ref,
                                          int64_t old_ref) const {
  std::string line = Start(kFlagInsertedMoved, text);
  if (!fscl_) line += FormatText(kInsertMovedColumnsFormat, new_ref, old_ref);
  return line;
}

std::string ListingFormatter::Delete(std::string_view old_text, int64_t old_ref,
                                     int32_t continuation, int32_t run_length) const {
  std::string line = Start(kFlagDeleted, old_text);
  if (fscl_) return line;
  line += continuation == 0 ? FormatText(kDeleteFirstColumnsFormat, old_ref, run_length)
                            : FormatText(kDeleteColumnsFormat, old_ref);
  return line;
}

std::string ListingFormatter::DeleteMoved(std::string_view old_text, int64_t new_ref,
                                          int64_t old_ref) const {
  std::string line = Start(kFlagDeletedMoved, old_text);
  if (!fscl_) line += FormatText(kDeleteMovedColumnsFormat, new_ref, old_ref);
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
