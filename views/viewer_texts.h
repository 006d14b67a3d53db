// The fixed texts of the report viewers and the change-flag legend: captions,
// headers, control captions and hints, and messages.
#ifndef KESTRIN_VIEWS_VIEWER_TEXTS_H_
#define KESTRIN_VIEWS_VIEWER_TEXTS_H_

#include <array>
#include <string_view>

#include "report/report_rows.h"

namespace kestrin {

inline constexpr std::string_view kProductVersionTag = "Kestrin V1.4b - ";
inline constexpr std::string_view kSingleCaptionTitle =
    "Single Panel Display of Comparison Report  ";
inline constexpr std::string_view kDualCaptionTitle = "Dual Panel Display of Comparison Report  ";

// The 80-column list headers: ten characters of column titles, then a ruler
// whose 90th character is the "8" of source column 80.
inline constexpr std::string_view kSingleHeader =
    "Ref#  ID  New Src/Inserts/Deletes -----3----+----4----+----5----+----6----+----7----+----8";
inline constexpr std::string_view kInsertsHeader =
    "Ref#  ID  New Src/Inserts ---2----+----3----+----4----+----5----+----6----+----7----+----8";
inline constexpr std::string_view kDeletesHeader =
    "Ref#  ID  New Src/Deletes ---2----+----3----+----4----+----5----+----6----+----7----+----8";
// The ruler continued from source column 81, for wide listings under Fscl.
inline constexpr std::string_view kWideRuler =
    "----+----9----+----10---+----11---+----12---+----13---+----14---+----15---+----16---+"
    "----17---+----18---+----19---+----2";

inline constexpr std::string_view kNewDirLabel = "New Dir = ";
inline constexpr std::string_view kOldDirLabel = "Old  Dir = ";
inline constexpr std::string_view kRtfBandMessage =
    "System is in a disabled state processing a colored RTF request.";
inline constexpr std::string_view kTextNotFound = "Text Not Found";
// The refusal of a typed font size, e.g. "\"1x\" is not a valid whole number.".
inline constexpr std::string_view kNotWholeNumberFormat = "\"%1\" is not a valid whole number.";
// The refusal of a whole number no font can take, e.g.
// "\"0\" is not a font size from 1 to 99.".
inline constexpr std::string_view kFontSizeRangeFormat = "\"%1\" is not a font size from 1 to 99.";

// The font of every report list, printout and RTF file, asked for by name
// (where it is not installed the system's nearest fixed-pitch font stands in).
inline constexpr char kReportFontFamily[] = "Courier New";
inline constexpr std::array<std::string_view, 5> kListFontSizeChoices = {"8", "9", "10", "11",
                                                                         "12"};
inline constexpr std::array<std::string_view, 6> kPrintFontSizeChoices = {"6",  "8",  "9",
                                                                          "10", "11", "12"};
inline constexpr std::string_view kDefaultFontSize = "8";

// One control of a viewer's top band: its object name, caption and hint.
struct ViewerControlText {
  std::string_view name;
  std::string_view caption;
  std::string_view hint;
};

// Every control of one viewer's top band.
struct ViewerBandTexts {
  ViewerControlText return_button, top_button, bottom_button, legend_button, find_button,
      print_button, color_button, save_as_button;
  ViewerControlText list_font_size;   // caption is the label before the box
  ViewerControlText print_font_size;  // caption is the label before the box
  ViewerControlText print_no_ref;
};

inline constexpr std::string_view kReturnHint = "Return to Main Tabbed Panel";
inline constexpr std::string_view kTopHint = "Return to top of Text List.";
inline constexpr std::string_view kBottomHint = "Return to Bottom of Text List.";
inline constexpr std::string_view kLegendHint = "Show listing change flagging";
inline constexpr std::string_view kPrintHint =
    "Sends displayed lines to printer with header/page numbers. ";
inline constexpr std::string_view kColorHint =
    "Sends lines as data stream to color printer selected. No Page/Headers";
inline constexpr std::string_view kPrintFontSizeHint = "Specify Print \"Courier New\" Font Size";
inline constexpr std::string_view kPrintNoRefCaption = "Print No Ref#";
inline constexpr std::string_view kPrintNoRefHint = "Omit Reference Numbers in Printer Output";

inline constexpr ViewerBandTexts kSingleBandTexts = {
    {"LsButReturn", "&Return", kReturnHint},
    {"LsButTop", "To &Top", kTopHint},
    {"LsButBottom", "To &Btm", kBottomHint},
    {"LsButLegend", "&Legend...", kLegendHint},
    {"LsButFind", "&Find...", "Specify string to be found in ListBox Display."},
    {"LsButPrint", " &Print...", kPrintHint},
    {"LsButColorPrint", "&Color...", kColorHint},
    {"LsButSaveAs", "&SaveAs...", "Save list box contents to a selected file"},
    {"LsCbLBFontSz", "ListBox Font Sz", "Specify Results ListBox \"Courier New\" Font Size"},
    {"LsCbPFontSz", "Print Font Sz", kPrintFontSizeHint},
    {"LsPrintNoRefNum", kPrintNoRefCaption, kPrintNoRefHint},
};

inline constexpr ViewerBandTexts kDualBandTexts = {
    {"VsButReturn", "&Return", kReturnHint},
    {"VsButTop", "To &Top", kTopHint},
    {"VsButBottom", "To &Btm", kBottomHint},
    {"VsButLegend", "&Legend ...", kLegendHint},
    {"VsButFind", "&Find...", "Specify string to be found in text list."},
    {"VsButPrint", " &Print...", kPrintHint},
    {"LsButColorPrint", "&Color ...", kColorHint},
    {"VsButSaveAs", "&SaveAs ...", "Save list box to a selected file (*.txt and *.rft)"},
    {"VsCbLBFontSz", "Disply Font Sz", "Specify Display ListBox \"Courier New\" Font Size"},
    {"VsCbPFontSz", "Print Font Sz", kPrintFontSizeHint},
    {"VsPrintNoRefNum", kPrintNoRefCaption, kPrintNoRefHint},
};

inline constexpr std::string_view kSingleListName = "VLbListBox1";
inline constexpr std::string_view kInsertsListName = "VsListbox2";
inline constexpr std::string_view kDeletesListName = "VsListbox3";
inline constexpr std::string_view kSplitterName = "Splitter1";

// The change-flag legend window.
inline constexpr std::string_view kLegendCaption = "Kestrin Change Flagging Legend";
inline constexpr std::string_view kLegendHeading = "Change Flagging ID Column  Keys :";
inline constexpr std::string_view kLegendCloseCaption = "&Close";

// One row of the legend: the flag key and its meaning, in the key's colour.
struct LegendRow {
  std::string_view key;
  RowColourName colour;
  std::string_view text;
};

// The legend shows RN- in blue and RO- in red, unlike the lists.
inline constexpr std::array<LegendRow, 7> kLegendRows = {{
    {"\"Blank\"", RowColourName::kBlack,
     "Matched line. Both new and old file lines compare equal. "},
    {" I -", RowColourName::kBlue,
     "Inserted line in new file.  Absent (sequentially) from \"old\" file."},
    {" D -", RowColourName::kRed,
     "Deleted line in old file.  Absent (sequentially ) from \"new\" file."},
    {" IM-", RowColourName::kBlue,
     "Inserted new file moved line.  Matched but out of sequence. See Ref# @Eol."},
    {" DM-", RowColourName::kRed,
     "Deleted old file moved line.  Matched but out of sequence. See Ref# @Eol."},
    {" RN-", RowColourName::kBlue,
     "Reformatted new file line.  Same data content as old line. Blank pos. differ."},
    {" RO-", RowColourName::kRed,
     "Reformatted old file line. Same data content as new line. Blank pos. differ."},
}};

// The find dialog.
inline constexpr std::string_view kFindCaption = "Find";
inline constexpr std::string_view kFindWhatLabel = "Fi&nd what:";
inline constexpr std::string_view kFindNextCaption = "&Find Next";
inline constexpr std::string_view kFindCancelCaption = "Cancel";
inline constexpr std::string_view kFindWholeWordCaption = "Match &whole word only";
inline constexpr std::string_view kFindMatchCaseCaption = "Match &case";
inline constexpr std::string_view kFindDirectionTitle = "Direction";
inline constexpr std::string_view kFindUpCaption = "&Up";
inline constexpr std::string_view kFindDownCaption = "&Down";

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_VIEWER_TEXTS_H_
