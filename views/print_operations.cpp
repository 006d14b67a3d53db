#include "views/print_operations.h"

#include <optional>
#include <string>

#include "report/report_format.h"
#include "views/print_listing.h"
#include "views/print_save_texts.h"
#include "views/rtf_colour_build.h"
#include "views/viewer_layout_values.h"

namespace kestrin {
namespace {

// The first line a row can take below the line-3 heading: a page whose line
// limit is not past it holds no rows.
constexpr int kFirstRowLine = 5;

// True iff a page measured for a font holds at least one character per line
// and one row per page.
bool HoldsRows(const std::optional<PageGeometry>& geometry) {
  return geometry && geometry->characters_per_line >= 1 && geometry->line_limit > kFirstRowLine;
}

}  // namespace

void PrintListing(PrintPanel panel, const ViewerOutputState& state, ViewerOutputPorts& ports) {
  ReturnFocusScope focus(ports.feedback);
  PrintSurface* surface = ports.printer.ChoosePrinter();
  if (surface == nullptr) return;
  const FontSizeChoice size = ReadFontSize(state.print_font_size_text);
  if (!size.points) {
    ports.feedback.ShowMessage(size.refusal);
    return;
  }
  const std::optional<PageGeometry> geometry = MeasurePage(*surface, *size.points, panel);
  if (!HoldsRows(geometry)) {
    ports.feedback.ShowMessage(FormatText(kFontSizeTooLargeFormat, *size.points));
    return;
  }
  if (!surface->BeginDocument()) {
    ports.feedback.ShowMessage(FormatText(kPrintNotStartedFormat, state.caption.c_str()));
    return;
  }
  const ListingPrint print{state.report, state.caption,
                           panel == PrintPanel::kSingle ? state.header : std::nullopt,
                           state.print_no_row_numbers};
  if (panel == PrintPanel::kSingle) {
    PrintSingleListing(*surface, *geometry, print);
  } else {
    PrintDualListing(*surface, *geometry, print);
  }
  surface->EndDocument();
}

void PrintInColour(PrintPanel panel, const ViewerOutputState& state, ViewerOutputPorts& ports) {
  if (ports.printer.ChoosePrinter() == nullptr) return;
  const char* job_title = ColourJobTitle(panel);
  bool printed = false;
  {
    BusyScope busy(ports.feedback);
    ColourRtfBuild(ports.colour_buffer, panel,
                   {state.report, state.caption, state.print_no_row_numbers, RichTextMode::kPrint});
    printed = ports.colour_buffer.Print(job_title);
  }
  if (!printed) ports.feedback.ShowMessage(FormatText(kPrintNotStartedFormat, job_title));
}

}  // namespace kestrin
