// Writes one listing line for a line of a section.
#include "report/listing_line_writer.h"

namespace kestrin {

std::string_view ListingText(const InputLine& line, bool xdpl) {
  if (!xdpl && line.has_saved_text) return *line.SavedText;
  return line.Text;
}

void ListingLineWriter::Matched(int32_t i, int32_t j, int32_t run_length) {
  sink_.WriteMatched(*this, i, j, run_length);
}

void ListingLineWriter::MatchedRun(int32_t i, int32_t j, int32_t count) {
  sink_.WriteMatchedRun(*this, i, j, count);
}

std::string ListingLineWriter::Format(int32_t i, int32_t j, int32_t run_length) const {
  return format_.Matched(TextOf(NewLine(i)), view_.NewRef(i), view_.OldRef(j), run_length);
}

void ListingLineWriter::DpLine(int32_t i) {
  if (view_.settings.Xdpl) return;
  sink_.Write(format_.DpLine(TextOf(NewLine(i)), view_.NewRef(i)));
}

void ListingLineWriter::Reform(int32_t i, int32_t j) {
  sink_.Write(
      format_.ReformNew(TextOf(NewLine(i)), view_.NewRef(i), view_.OldRef(j), NewLine(i).RunCount));
  if (view_.settings.Lorl) {
    sink_.Write(format_.ReformOld(TextOf(OldLine(j)), view_.NewRef(i), view_.OldRef(j)));
  }
}

void ListingLineWriter::Insert(int32_t i, int32_t continuation, int32_t run_length) {
  const InputLine& line = NewLine(i);
  if (line.Moved) {
    sink_.Write(format_.InsertMoved(TextOf(line), view_.NewRef(i), view_.OldRef(line.Link)));
  } else {
    sink_.Write(format_.Insert(TextOf(line), view_.NewRef(i), continuation, run_length));
  }
}

void ListingLineWriter::Delete(int32_t j, int32_t continuation, int32_t run_length) {
  const InputLine& line = OldLine(j);
  if (line.Moved) {
    sink_.Write(format_.DeleteMoved(TextOf(line), view_.NewRef(line.Link), view_.OldRef(j)));
  } else {
    sink_.Write(format_.Delete(TextOf(line), view_.OldRef(j), continuation, run_length));
  }
}

}  // namespace kestrin
