// The Save As operations the viewers' buttons call: a plain text file, a
// stacked or side-by-side text file from the dual panel, or a coloured RTF
// file when the chosen name ends in ".rtf".
#ifndef KESTRIN_VIEWS_SAVE_OPERATIONS_H_
#define KESTRIN_VIEWS_SAVE_OPERATIONS_H_

#include "views/print_page.h"
#include "views/print_save_ports.h"

namespace kestrin {

// "&SaveAs...": asks for a file name and saves the viewer of `panel` there.
// A cancelled dialog (or preference window) writes nothing and changes no
// stored value. A file that cannot be written stops the save with a message
// naming it and the reason; lines already written stay. On a confirmed save
// OutFn becomes the saved name (cut to 149) and, for a dual-panel text save,
// SbsRp the chosen layout. The focus goes to the Return button afterwards.
void SaveReport(PrintPanel panel, const ViewerOutputState& state, SaveChoices choices,
                ViewerOutputPorts& ports);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SAVE_OPERATIONS_H_
