// The print surface: the few operations a black-and-white printout needs from
// a printer, so that page layout can be built and tested without one.
#ifndef KESTRIN_VIEWS_PRINT_SURFACE_H_
#define KESTRIN_VIEWS_PRINT_SURFACE_H_

#include <string>

namespace kestrin {

// A printer seen as a surface of device units that measures and places text
// in its current font. Coordinates count from the top left of the printable
// area; a text is placed by the top left of its cell.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Starts a print job on the first page. Returns false when the printer
  // cannot start one; nothing is printed then.
  virtual bool BeginDocument() = 0;
  // Ends the current page and starts the next.
  virtual void NewPage() = 0;
  // Ends the print job. REQUIRES: BeginDocument succeeded.
  virtual void EndDocument() = 0;

  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  // Width and height of `text` in the current font.
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Prints `text` with its top left at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;

  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetBold(bool bold) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_SURFACE_H_
