// The viewer's rich-text buffer on Qt: its coloured lines printed as one job
// through a QTextDocument laid out on the printer's pages.
#ifndef KESTRIN_UI_PRINT_SAVE_RTF_QT_BUFFER_H_
#define KESTRIN_UI_PRINT_SAVE_RTF_QT_BUFFER_H_

#include <QPrinter>
#include <string>
#include <vector>

#include "views/rtf_buffer.h"

class QTextDocument;

namespace kestrin {

// Fills `document` with `lines`, one block per line in its colour, in
// "Courier New" at 8 points; a line wider than the page is cut at the page's
// edge rather than wrapped, so each report line stays one printed line.
void FillColourDocument(QTextDocument& document, const std::vector<ColouredLine>& lines);

class DocumentRichTextBuffer : public ColouredLineBuffer {
 public:
  // Prints on `printer`, which must outlive the buffer.
  explicit DocumentRichTextBuffer(QPrinter& printer);

  // Prints in "Courier New" at 8 points without page titles or numbers.
  bool Print(const std::string& job_title) override;

 private:
  QPrinter& printer_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_RTF_QT_BUFFER_H_
