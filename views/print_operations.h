// The print operations the viewers' buttons call: black and white with page
// titles and numbers, and colour without them.
#ifndef KESTRIN_VIEWS_PRINT_OPERATIONS_H_
#define KESTRIN_VIEWS_PRINT_OPERATIONS_H_

#include "views/print_page.h"
#include "views/print_save_ports.h"

namespace kestrin {

// " &Print...": asks for a printer, then prints the viewer of `panel` in
// "Courier New" at the print font size. A cancelled dialog prints nothing; a
// font size that is not a whole number, or that no page can hold, stops the
// print with a message. The focus goes to the Return button afterwards.
void PrintListing(PrintPanel panel, const ViewerOutputState& state, ViewerOutputPorts& ports);

// "&Color...": asks for a printer, then prints the report in its colours as
// one job, showing the busy cursor and band meanwhile.
void PrintInColour(PrintPanel panel, const ViewerOutputState& state, ViewerOutputPorts& ports);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_OPERATIONS_H_
