#include "views/rtf_colour_build.h"

#include <cstdint>
#include <optional>

#include "report/report_format.h"
#include "report/report_rows.h"
#include "views/print_report_split.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

// Adds lines to the buffer, switching its colour only when a line needs
// another one than the line before.
class ColourRuns {
 public:
  explicit ColourRuns(RichTextBuffer& buffer) : buffer_(buffer) { buffer_.Clear(); }

  void Add(RowColourName colour, const std::string& text) {
    if (colour != current_) {
      buffer_.SetColour(ColourRgb(colour));
      current_ = colour;
    }
    buffer_.AddLine(text);
  }
  // Adds a line in the colour of the line before.
  void AddInCurrentColour(const std::string& text) { buffer_.AddLine(text); }

 private:
  RichTextBuffer& buffer_;
  std::optional<RowColourName> current_;
};

// The prefix of row `i` of a listing: its number, or nothing when a print
// leaves row numbers out.
std::string RowPrefix(const ColourBuild& build, int64_t i) {
  if (build.mode == RichTextMode::kPrint && build.no_row_numbers) return std::string();
  return FormatText(kColourRowNumberFormat, static_cast<long long>(i + 1));
}

void BuildSinglePanel(ColourRuns& runs, const ColourBuild& build) {
  runs.Add(RowColourName::kRed, build.caption);
  runs.Add(RowColourName::kRed, kSeparatorLine);
  const StoredLines& rows = build.report.Primary;
  for (int64_t i = 0; i < static_cast<int64_t>(rows.size()); ++i) {
    runs.Add(RowColour(build.report, RowSide::kSingle, i), RowPrefix(build, i) + rows[i]);
  }
}

void BuildDualPanel(ColourRuns& runs, const ColourBuild& build) {
  const ReportLines& report = build.report;
  runs.Add(RowColourName::kBlue, build.caption);
  runs.Add(RowColourName::kBlue, kSeparatorLine);
  runs.Add(RowColourName::kRed, kColourInsertSectionTitle);
  const int64_t listing_end = ListingEnd(report);
  for (int64_t i = 0; i < listing_end; ++i) {
    runs.Add(RowColour(report, RowSide::kInserts, i), RowPrefix(build, i) + report.Primary[i]);
  }
  runs.AddInCurrentColour(kSeparatorLine);
  runs.Add(RowColourName::kRed, kColourDeleteSectionTitle);
  for (int64_t i = 0; i < static_cast<int64_t>(report.Secondary.size()); ++i) {
    runs.Add(RowColour(report, RowSide::kDeletes, i),
             RowPrefix(build, i) + kSeparatorLine + report.Secondary[i]);
  }
  for (int64_t i = listing_end; i < static_cast<int64_t>(report.Primary.size()); ++i) {
    runs.Add(RowColour(report, RowSide::kInserts, i), kSeparatorLine + report.Primary[i]);
  }
}

}  // namespace

void ColourRtfBuild(RichTextBuffer& buffer, PrintPanel panel, const ColourBuild& build) {
  ColourRuns runs(buffer);
  if (panel == PrintPanel::kSingle) {
    BuildSinglePanel(runs, build);
  } else {
    BuildDualPanel(runs, build);
  }
}

const char* ColourJobTitle(PrintPanel panel) {
  return panel == PrintPanel::kSingle ? kSingleColourJobTitle : kDualColourJobTitle;
}

}  // namespace kestrin
