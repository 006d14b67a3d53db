#include "views/print_page.h"

#include <algorithm>
#include <utility>

#include "report/report_format.h"
#include "views/print_save_texts.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

// The character every page measurement is taken from.
constexpr char kMeasureCharacter[] = "X";
// Line 2 carries the title and the page number, line 3 the heading.
constexpr int kTitleLine = 2;
constexpr int kHeadingLine = 3;
// Lines kept free at the bottom of a page.
constexpr int kBottomLines = 4;
// The left margin in "X" widths.
constexpr int kLeftMarginCharacters = 3;
// Room a title leaves for the page number, and how much shorter a cut title is.
constexpr int kTitleRoom = 8;
constexpr int kTitleCutLength = 20;

int PageNumberColumns(PrintPanel panel) { return panel == PrintPanel::kSingle ? 12 : 9; }

}  // namespace

std::optional<PageGeometry> MeasurePage(PrintSurface& surface, int font_points, PrintPanel panel) {
  surface.SetFontName(kReportFontFamily);
  surface.SetFontSize(font_points);
  surface.SetBold(true);
  const int bold_width = surface.TextWidth(kMeasureCharacter);
  surface.SetBold(false);
  const int width = surface.TextWidth(kMeasureCharacter);
  const int height = surface.TextHeight(kMeasureCharacter);
  if (bold_width <= 0 || width <= 0 || height <= 0) return std::nullopt;

  PageGeometry geometry;
  geometry.characters_per_line = surface.PageWidth() / bold_width;
  geometry.page_number_x =
      std::max(0, geometry.characters_per_line - PageNumberColumns(panel)) * bold_width;
  geometry.line_height = height;
  geometry.line_limit = surface.PageHeight() / height - kBottomLines;
  geometry.left_margin = kLeftMarginCharacters * width;
  return geometry;
}

std::string PageTitle(const std::string& caption, int characters_per_line) {
  const int length = static_cast<int>(caption.size());
  if (length + static_cast<int>(sizeof kTitleCutMark) - 1 <= characters_per_line - kTitleRoom) {
    return caption;
  }
  const int kept = std::clamp(characters_per_line - kTitleCutLength, 0, length);
  return caption.substr(0, static_cast<size_t>(kept)) + kTitleCutMark;
}

std::string PageNumberText(int page) { return FormatText(kPageNumberFormat, page); }

PagePrinter::PagePrinter(PrintSurface& surface, const PageGeometry& geometry, std::string title)
    : surface_(surface), geometry_(geometry), title_(std::move(title)) {}

void PagePrinter::SetPageHeading(std::optional<std::string> heading) {
  heading_ = std::move(heading);
}

void PagePrinter::StartFirstPage() {
  page_ = 1;
  PrintPageTop();
}

void PagePrinter::StartNextPage() {
  surface_.NewPage();
  ++page_;
  PrintPageTop();
}

void PagePrinter::PrintRow(const std::string& text) {
  if (line_ >= geometry_.line_limit) StartNextPage();
  PrintAt(geometry_.left_margin, line_, text, false);
  ++line_;
}

void PagePrinter::PrintBoldLine(const std::string& text) {
  PrintAt(geometry_.left_margin, line_, text, true);
  ++line_;
}

void PagePrinter::PrintPageTop() {
  PrintAt(geometry_.left_margin, kTitleLine, title_, true);
  PrintAt(geometry_.page_number_x, kTitleLine, PageNumberText(page_), true);
  line_ = kHeadingLine + 1;
  if (heading_) {
    PrintAt(geometry_.left_margin, kHeadingLine, *heading_, true);
    ++line_;
  }
}

void PagePrinter::PrintAt(int x, int line, const std::string& text, bool bold) {
  if (bold != bold_) {
    surface_.SetBold(bold);
    bold_ = bold;
  }
  surface_.TextOut(x, line * geometry_.line_height, text);
}

}  // namespace kestrin
