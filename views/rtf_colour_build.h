// Filling a viewer's rich-text buffer for a colour print or an RTF save: the
// lines of the report in order, each in its change-flag colour.
#ifndef KESTRIN_VIEWS_RTF_COLOUR_BUILD_H_
#define KESTRIN_VIEWS_RTF_COLOUR_BUILD_H_

#include <string>

#include "report/report_lines.h"
#include "views/print_page.h"
#include "views/rtf_buffer.h"

namespace kestrin {

enum class RichTextMode { kPrint, kSave };

// What a colour print or RTF save takes from its viewer.
struct ColourBuild {
  const ReportLines& report;
  std::string caption;          // the viewer's caption, the first line
  bool no_row_numbers = false;  // "Print No Ref#"; counts only when printing
  RichTextMode mode = RichTextMode::kPrint;
};

// Clears `buffer` and fills it with the report as the viewer of `panel`
// colours it, issuing a colour change only where a line's colour differs
// from the one before. Single panel: the caption and a blank line in red,
// then every Primary row numbered ("%4d  " and the line). Dual panel: the
// caption in blue, the insert section, the delete section (each row one
// blank further right) and the summary rows behind one blank.
void ColourRtfBuild(RichTextBuffer& buffer, PrintPanel panel, const ColourBuild& build);

// The print job title of a colour print from the viewer of `panel`.
const char* ColourJobTitle(PrintPanel panel);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_RTF_COLOUR_BUILD_H_
