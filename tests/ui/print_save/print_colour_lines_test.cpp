// The colour print keeps each report line on one printed line, as the
// black-and-white print does: a line wider than the page is cut, not wrapped.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "tests/ui/common/ui_support.h"
#include "ui/print_save/rtf_qt_buffer.h"

namespace kestrin::ui_testing {
namespace {

TEST(PrintColourLinesTest, AListingLineWiderThanThePageStaysOnePrintedLine) {
  EnsureApplication();
  const std::string listing = "I - " + std::string(80, 'x') + " 00001 INSERT(NEW)          1";
  QTextDocument document;
  FillColourDocument(document, {{listing, Rgb{0, 0, 255}}, {"    short", Rgb{0, 0, 0}}});
  document.setPageSize(QSizeF(200, 400));
  document.documentLayout()->documentSize();  // lays the document out
  ASSERT_EQ(document.blockCount(), 2);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
  }
}

}  // namespace
}  // namespace kestrin::ui_testing
