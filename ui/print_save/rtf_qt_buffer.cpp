#include "ui/print_save/rtf_qt_buffer.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "ui/common/display_text.h"
#include "views/print_save_texts.h"
#include "views/viewer_texts.h"

namespace kestrin {
void FillColourDocument(QTextDocument& document, const std::vector<ColouredLine>& lines) {
  QFont font(QString::fromLatin1(kReportFontFamily), kRichTextFontPoints);
  font.setStyleHint(QFont::TypeWriter);
  document.setDefaultFont(font);
  QTextOption one_line = document.defaultTextOption();
  one_line.setWrapMode(QTextOption::NoWrap);
  document.setDefaultTextOption(one_line);
  QTextCursor cursor(&document);
  QTextCharFormat format;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    const Rgb colour = lines[i].colour;
    format.setForeground(QColor(colour.red, colour.green, colour.blue));
    cursor.insertText(DisplayText(lines[i].text), format);
  }
}

DocumentRichTextBuffer::DocumentRichTextBuffer(QPrinter& printer) : printer_(printer) {}

bool DocumentRichTextBuffer::Print(const std::string& job_title) {
  printer_.setDocName(QString::fromStdString(job_title));
  QPainter painter;
  if (!painter.begin(&printer_)) return false;

  // Laid out on the printer itself, page by page, so that the document's own
  // page numbers never appear and fonts keep their printed size.
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer_);
  FillColourDocument(document, lines());
  const QSizeF page(printer_.width(), printer_.height());
  document.setPageSize(page);
  const int pages = document.pageCount();
  for (int i = 0; i < pages; ++i) {
    if (i > 0) printer_.newPage();
    const QRectF area(0, i * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -area.top());
    document.drawContents(&painter, area);
    painter.restore();
  }
  return painter.end();
}

}  // namespace kestrin
