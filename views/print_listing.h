// The black-and-white printouts of the two viewers: which line goes on which
// page, in which order, with which titles.
#ifndef KESTRIN_VIEWS_PRINT_LISTING_H_
#define KESTRIN_VIEWS_PRINT_LISTING_H_

#include <optional>
#include <string>

#include "report/report_lines.h"
#include "views/print_page.h"
#include "views/print_surface.h"

namespace kestrin {

// What a black-and-white print takes from its viewer.
struct ListingPrint {
  const ReportLines& report;
  std::string caption;                // the viewer's caption, the page title
  std::optional<std::string> header;  // single panel: the list's header when it shows one
  bool no_row_numbers = false;        // "Print No Ref#"
};

// Prints the single panel: the header under every title, then every Primary
// row cut to the page width. REQUIRES: the surface's document has begun and
// `geometry` was measured on it for PrintPanel::kSingle.
void PrintSingleListing(PrintSurface& surface, const PageGeometry& geometry,
                        const ListingPrint& print);

// Prints the dual panel: the insert section (Primary's listing rows), the
// delete section (every Secondary row, cut to the page width) and the summary.
// Every page names the section in progress on line 3. REQUIRES: as above, for
// PrintPanel::kDual.
void PrintDualListing(PrintSurface& surface, const PageGeometry& geometry,
                      const ListingPrint& print);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_LISTING_H_
