// The three text layouts of a saved report: the single panel's rows, the
// dual panel's stacked report (inserts side, then deletes side) and its
// side-by-side report with fixed-width lines.
#ifndef KESTRIN_VIEWS_SAVE_TEXT_LAYOUT_H_
#define KESTRIN_VIEWS_SAVE_TEXT_LAYOUT_H_

#include <string>

#include "report/report_lines.h"
#include "views/save_text_file.h"

namespace kestrin {

// The widths of a dual-panel text save: each side 90 characters, or with
// Fscl and a run line longer than 80, its longest line (80 to 128) plus 10.
struct SaveWidths {
  int inserts = 0;  // wN
  int deletes = 0;  // wO
  int Stacked() const { return inserts > deletes ? inserts : deletes; }
  // W = wN + wO + 2: the deletes side starts at column wN + 2.
  int SideBySide() const { return inserts + deletes + 2; }
};

SaveWidths DualSaveWidths(const ReportLines& report);

// Each writer hands its lines to `sink` in order and stops at the first line
// the sink refuses. Returns false then.

// A blank line, the caption, then every Primary row as the viewer shows it.
bool WriteSinglePanelText(const ReportLines& report, const std::string& caption, LineSink& sink);

// The stacked heading with `run_stamp`, the insert section, a blank line, the
// delete section (every Secondary row), then the summary rows.
bool WriteStackedText(const ReportLines& report, const std::string& run_stamp, LineSink& sink);

// The side-by-side heading with `run_stamp`, a column heading line, one line
// of exactly W characters per listing row (inserts row cut to wN at column 1,
// deletes row cut to wO at column wN + 2), then the summary rows unpadded.
bool WriteSideBySideText(const ReportLines& report, const std::string& run_stamp,
                         const SaveWidths& widths, LineSink& sink);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SAVE_TEXT_LAYOUT_H_
