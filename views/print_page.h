// The page of a black-and-white printout: its geometry measured on the print
// surface, its title and page number, and the pager that places rows line by
// line and starts a new page when one is full.
#ifndef KESTRIN_VIEWS_PRINT_PAGE_H_
#define KESTRIN_VIEWS_PRINT_PAGE_H_

#include <optional>
#include <string>

#include "views/print_surface.h"

namespace kestrin {

// Which viewer prints: the page number stands further left on the single panel.
enum class PrintPanel { kSingle, kDual };

// The page arithmetic of one print job, in the surface's device units.
struct PageGeometry {
  int characters_per_line = 0;  // C: page width div the bold "X" width
  int page_number_x = 0;        // xPage: (C - 12) or (C - 9) bold "X" widths
  int line_limit = 0;           // L: page height div the line height, less 4
  int left_margin = 0;          // xLeft: three "X" widths
  int line_height = 0;          // lh: line k stands at k * lh
};

// Sets "Courier New" at `font_points` on `surface` and measures the page.
// Returns nullopt when the font has no width or height there. Leaves bold off.
std::optional<PageGeometry> MeasurePage(PrintSurface& surface, int font_points, PrintPanel panel);

// The caption as a page title: whole when it fits C - 8 characters with room
// for the page number, else its first C - 20 characters and " . . .".
std::string PageTitle(const std::string& caption, int characters_per_line);

// Sample: "Page  12".
std::string PageNumberText(int page);

// Places the lines of one print job. Every page carries the title and the
// page number on line 2 and, when set, a heading on line 3; rows follow from
// line 4, or 5 under a heading, and rows never reach the line limit.
class PagePrinter {
 public:
  // REQUIRES: the surface's document has begun and `geometry` was measured
  // on it.
  PagePrinter(PrintSurface& surface, const PageGeometry& geometry, std::string title);

  // The heading of line 3 on the pages that start from now on; nullopt for none.
  void SetPageHeading(std::optional<std::string> heading);
  // Prints the title, page number and heading of the first page.
  void StartFirstPage();
  // Ends the page in progress and prints the next page's title, number and heading.
  void StartNextPage();
  // Prints one row at the current line, on a new page when this one is full.
  void PrintRow(const std::string& text);
  // Prints `text` in bold at the current line without a page check.
  // REQUIRES: the current line is below the line limit.
  void PrintBoldLine(const std::string& text);

  int current_line() const { return line_; }
  int page() const { return page_; }

 private:
  void PrintPageTop();
  void PrintAt(int x, int line, const std::string& text, bool bold);

  PrintSurface& surface_;
  const PageGeometry geometry_;
  const std::string title_;
  std::optional<std::string> heading_;
  int line_ = 0;
  int page_ = 0;
  bool bold_ = false;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_PAGE_H_
