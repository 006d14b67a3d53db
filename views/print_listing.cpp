#include "views/print_listing.h"

#include <algorithm>
#include <cstdint>

#include "report/report_format.h"
#include "report/report_rows.h"
#include "views/print_report_split.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

// The header without "Ref#" when row numbers are left out.
constexpr size_t kHeaderRowNumberWidth = 4;

// Lines the delete section's opening needs below the insert section: a blank
// line and the section title, with room for rows after them.
constexpr int kDeleteSectionRoom = 4;

// `text` cut to the page's characters per line.
std::string CutToLine(const std::string& text, const PageGeometry& geometry) {
  return std::string(CutTo(text, static_cast<size_t>(std::max(0, geometry.characters_per_line))));
}

// The printed text of row `i` of `list`: its displayed text, without the row
// number for "Print No Ref#".
std::string PrintedRow(const ListingPrint& print, const StoredLines& list, int64_t i) {
  std::string text = RowText(print.report, list, i);
  if (print.no_row_numbers) text = WithoutRowNumber(print.report, i, text);
  return text;
}

void PrintDeleteSection(PagePrinter& pager, const PageGeometry& geometry,
                        const ListingPrint& print) {
  const StoredLines& deletes = print.report.Secondary;
  if (deletes.empty()) return;
  pager.SetPageHeading(kPrintDeleteSectionTitle);
  if (pager.current_line() + kDeleteSectionRoom >= geometry.line_limit) {
    pager.StartNextPage();
  } else {
    pager.PrintRow(kSeparatorLine);
    pager.PrintBoldLine(kPrintDeleteSectionTitle);
  }
  for (int64_t i = 0; i < static_cast<int64_t>(deletes.size()); ++i) {
    pager.PrintRow(CutToLine(PrintedRow(print, deletes, i), geometry));
  }
}

}  // namespace

void PrintSingleListing(PrintSurface& surface, const PageGeometry& geometry,
                        const ListingPrint& print) {
  PagePrinter pager(surface, geometry, PageTitle(print.caption, geometry.characters_per_line));
  if (print.header) {
    pager.SetPageHeading(print.no_row_numbers ? print.header->substr(std::min(kHeaderRowNumberWidth,
                                                                              print.header->size()))
                                              : *print.header);
  }
  pager.StartFirstPage();
  const StoredLines& rows = print.report.Primary;
  for (int64_t i = 0; i < static_cast<int64_t>(rows.size()); ++i) {
    pager.PrintRow(CutToLine(PrintedRow(print, rows, i), geometry));
  }
}

void PrintDualListing(PrintSurface& surface, const PageGeometry& geometry,
                      const ListingPrint& print) {
  PagePrinter pager(surface, geometry, PageTitle(print.caption, geometry.characters_per_line));
  pager.SetPageHeading(kPrintInsertSectionTitle);
  pager.StartFirstPage();
  const StoredLines& inserts = print.report.Primary;
  const int64_t listing_end = ListingEnd(print.report);
  for (int64_t i = 0; i < listing_end; ++i) pager.PrintRow(PrintedRow(print, inserts, i));

  PrintDeleteSection(pager, geometry, print);

  const auto rows = static_cast<int64_t>(inserts.size());
  if (listing_end == rows) return;
  pager.SetPageHeading(kPrintSummarySectionTitle);
  pager.PrintRow(kSeparatorLine);
  for (int64_t i = listing_end; i < rows; ++i) pager.PrintRow(RowText(print.report, inserts, i));
}

}  // namespace kestrin
