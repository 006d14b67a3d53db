#include "views/rtf_buffer.h"

#include "views/rtf_writer.h"
#include "views/save_text_file.h"

namespace kestrin {

void ColouredLineBuffer::Clear() {
  lines_.clear();
  colour_ = Rgb{0, 0, 0};
}

void ColouredLineBuffer::SetColour(Rgb colour) { colour_ = colour; }

void ColouredLineBuffer::AddLine(const std::string& text) { lines_.push_back({text, colour_}); }

std::string ColouredLineBuffer::SaveAsRtf(const std::string& path) {
  return WriteWholeFile(path, RtfDocument(lines_));
}

}  // namespace kestrin
