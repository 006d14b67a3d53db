// The fixed texts and formats of printing and saving a report: page titles
// and numbers, section titles, print job titles, saved report headings, the
// Save As dialog, the side-by-side save preference window and the messages.
// Blanks inside the texts are part of them.
#ifndef KESTRIN_VIEWS_PRINT_SAVE_TEXTS_H_
#define KESTRIN_VIEWS_PRINT_SAVE_TEXTS_H_

#include <cstddef>

namespace kestrin {

// Printing in black and white (in kReportFontFamily, as the colour print).
// Ends a page title that is too long for the page: "A long caption . . .".
inline constexpr char kTitleCutMark[] = " . . .";
// Sample: "Page   7".
inline constexpr char kPageNumberFormat[] = "Page %3d";
inline constexpr char kPrintInsertSectionTitle[] = " NewSrc and Insert Section";
inline constexpr char kPrintDeleteSectionTitle[] = " NewSrc and Delete Section";
inline constexpr char kPrintSummarySectionTitle[] = " ";
// The line printed or added between two parts of a report.
inline constexpr char kSeparatorLine[] = " ";

// Printing in colour and saving as RTF.
inline constexpr int kRichTextFontPoints = 8;
inline constexpr char kSingleColourJobTitle[] = "Kestrin SingleRichEdit Text";
inline constexpr char kDualColourJobTitle[] = "Kestrin SplitRichEdit Text";
inline constexpr char kColourInsertSectionTitle[] = "New Source and Insert Section";
inline constexpr char kColourDeleteSectionTitle[] = "New Source and Delete Section";
// The row number before a coloured line. Sample: "  12  I - int main()".
inline constexpr char kColourRowNumberFormat[] = "%4lld  ";

// Saving as text.
// Saved text ends its lines the way text files on this system do.
inline constexpr char kLineEnd[] = "\n";
// Sample: "Kestrin Double-Stacked Compare Report  05/12/24 09:41 PM".
inline constexpr char kStackedHeading[] = "Kestrin Double-Stacked Compare Report  ";
inline constexpr char kStackedInsertTitle[] = " New Source + Insert Panel Section";
inline constexpr char kStackedDeleteTitle[] = " New Source + Delete Panel Section";
// Sample: "Kestrin Insert and Delete Side-By-Side Report  05/12/24 09:41 PM".
inline constexpr char kSideBySideHeading[] = "Kestrin Insert and Delete Side-By-Side Report  ";
// The side-by-side column heading shows this much of each list's header:
// "Ref#  ID  New Src/Inserts " and "Ref#  ID  New Src/Deletes ".
inline constexpr size_t kSideBySideTitlesWidth = 26;

// The Save As dialog.
inline constexpr char kSaveDialogTitle[] = "Save Compare Results";
// Pairs of a shown filter name and its pattern, separated by "|".
inline constexpr char kSaveDialogFilter[] =
    "Any File (*.*)|*.*|Text File (*.Txt)|*.txt|RTF Color File (*.Rtf)|*.Rtf";
inline constexpr char kDefaultTextExtension[] = ".txt";
inline constexpr char kRtfExtension[] = ".rtf";

// The side-by-side save preference window.
inline constexpr char kSbsCaption[] = "Kestrin Side-by-Side Save File Preference";
inline constexpr char kSbsStackedChoice[] = "Save as Single Two Part Stacked Report";
inline constexpr char kSbsSideBySideChoice[] = "Save as Single Side-by-Side Report";
// Sample: "Output save line length = 90".
inline constexpr char kSbsLineLengthFormat[] = "Output save line length = %d";
inline constexpr char kSbsTitleLabel[] = "Title : Optional";
inline constexpr char kSbsAppendChoice[] = "  Append to End Instead of Replace File";
inline constexpr char kSbsUseCaption[] = "&Use";
inline constexpr char kSbsCancelCaption[] = "&Cancel";

// Messages.
// Sample: "The print font size 72 is too large for the page."
inline constexpr char kFontSizeTooLargeFormat[] =
    "The print font size %d is too large for the page.";
// Sample: "The printer could not start printing \"Kestrin SingleRichEdit Text\"."
inline constexpr char kPrintNotStartedFormat[] = "The printer could not start printing \"%s\".";
// Sample: "Cannot save to \"/tmp/x.txt\": No space left on device."
inline constexpr char kSaveFailedFormat[] = "Cannot save to \"%s\": %s.";
// Sample: "/tmp/report.txt already exists.\nDo you want to replace it?"
inline constexpr char kReplaceFileQuestionFormat[] =
    "%s already exists.\nDo you want to replace it?";

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_SAVE_TEXTS_H_
