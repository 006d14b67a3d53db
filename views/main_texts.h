// The main window's fixed texts: title, page captions, labels, hints, notes
// and the status texts it shows itself. Blanks inside the texts are part of
// them.
#ifndef KESTRIN_VIEWS_MAIN_TEXTS_H_
#define KESTRIN_VIEWS_MAIN_TEXTS_H_

#include <array>

#include "engine/compare_settings.h"

namespace kestrin {

// Start-up.
// The application's title: the window class and the message boxes' title.
inline constexpr char kApplicationTitle[] = "Kestrin";
inline constexpr char kHelpFileName[] = "Kestrin.html";
inline constexpr char kMainWindowTitle[] = "Kestrin - Dir Extended Line Compare Pgm  ";
inline constexpr char kWaitingStatus[] =
    "Waiting for information to be set, verified, and complete.";
// The version name, a blank and the version date.
inline constexpr char kVersionLabel[] =
    "Kestrin V1.4b - "
    " "
    "Nov. 5, 1999";

// Closing and help, shown by the window itself.
inline constexpr char kCloseRefusedStatus[] =
    "A compare is running: press Halt and wait for it to end before closing Kestrin.";
// Sample: The help file "/usr/share/kestrin/Kestrin.html" was not found.
inline constexpr char kHelpMissingFormat[] = "The help file \"%s\" was not found.";
// Sample: The help file "/usr/share/kestrin/Kestrin.html" could not be opened.
inline constexpr char kHelpNotOpenedFormat[] = "The help file \"%s\" could not be opened.";

// A pair selection or directory lookup window asked for before it is built.
inline constexpr char kPairWindowMissingMessage[] =
    "This selection window is not available in this version of Kestrin.";

// Page captions, in notebook order.
inline constexpr std::array<const char*, 6> kPageCaptions = {
    "Main Panel", "Dir/File Select", "Preferences", "Dp Options", "About", "OverView"};

// Main Panel.
inline constexpr char kNewNameCaption1[] = "New Directory Name";
inline constexpr char kNewNameCaption2[] = "or";
inline constexpr char kNewNameCaption3[] = "New Full File Name:";
inline constexpr char kOldNameCaption1[] = "Old  Directory  Name";
inline constexpr char kOldNameCaption2[] = "or";
inline constexpr char kOldNameCaption3[] = "Old  Full  File Name:";
inline constexpr char kDirLookupCaption[] = "Dir/File...";
inline constexpr char kDirLookupHint[] = "Directory Select for New and Old Directory/File ";
inline constexpr char kListingTypeCaption[] = "Listing Type:";
inline constexpr char kCompareTypeCaption[] = "Compare Type:";
inline constexpr char kSubdirectoriesCaption[] = "Include subdirectories";
inline constexpr char kStartCaption[] = "&Start";
inline constexpr char kHaltCaption[] = "&Halt";
inline constexpr char kExitCaption[] = "E&xit";
inline constexpr char kStatusCaption[] = "Status:";
inline constexpr char kHintsOffCaption[] = "Turn off \"All\" Panel Hints";
inline constexpr char kReShowCaption[] = "Re-Show Last Report Panel";
inline constexpr char kBypassCaption[] = "Bypass show of Report Panel";
inline constexpr char kOptionsGroupCaption[] =
    "Preferences and Dp (Don't Process) User Selected Options:";
inline constexpr std::array<const char*, 4> kDirectionLines = {
    "Directions ", "1. Specify Input Directories/Files  ", "2. Set \"Compare Type\" Combobox ",
    "3. Press \"Start\" Button"};
inline constexpr std::array<const char*, 3> kFileNameNoteLines = {
    "Note: Use Full File Names for:", "\"1. New and Old Files Specified\"",
    "      Compare Type above."};

// Hints of the Main Panel controls that carry no fixed hint of their own.
inline constexpr char kNewNameHint[] = "New directory or full file name; drop files here ";
inline constexpr char kOldNameHint[] = "Old directory or full file name ";
inline constexpr char kListingTypeHint[] = "Listing type of the report ";
inline constexpr char kCompareTypeHint[] = "What the two names are and how they are paired ";
inline constexpr char kStartHint[] = "Starts the compare ";
inline constexpr char kHaltHint[] = "Stops the running compare ";
inline constexpr char kExitHint[] = "Saves the settings and ends Kestrin ";
inline constexpr char kHintsOffHint[] = "Switches the pop-up hints of every window off ";
inline constexpr char kReShowHint[] = "Shows the last report again ";
inline constexpr char kBypassHint[] = "Ends a run without showing the report ";
inline constexpr char kSubdirectoriesHint[] =
    "Directory compares also pair the files of every subdirectory, by their paths ";

// Preferences.
inline constexpr char kPreferencesHeading[] =
    "Preference Options --- Affects Compare and Generated Results";
inline constexpr std::array<const char*, 10> kBinaryNoteLines = {
    "A file with up ", "to 9 invalid ", "Ascii char in ", "the first text ", "line is ",
    "considered a ",   "binary file ",  "when not ",      "overriden with ", "TXAL pref."};
// Description after each preference box, indexed by Preference. The Subc,
// Xtab and Ccol rows hold fields inside their text; theirs is the first piece.
inline constexpr std::array<const char*, kPreferenceCount> kPreferenceDescriptions = {
    ":  Ignore Ascii Case. Use case insensitive compare on text lines.",
    ":  Reformat overide.  Reclassify reformatted lines as matched.",
    ":  Include Not Proc file list in \"All Dir LN File Compare\" Summary.",
    ":  Side-by-side results listing. Separate delete and insert lists. ",
    ":  Flag insert moved (IM) and delete moved (DM) matching lines.",
    ":  List old reformat line on next line following new reformat line.",
    ":  Exclude individual totals summary. Only list final totals sect.",
    ":  Exclude Dp and Comments lines from appearing in final listing.",
    ":  Ignore binary EOF character as text file \"end\" character.",
    ":  Use a ",
    ":  Expand tabs characters mod \" ",
    ":  Treat all files as CR/LF/EOF text lines. Override binary inspect.",
    ":  Accept \"=\"  length/file-date stamps as matching  text/bin files.",
    ":  Full source up to 128 cols displayed . Normal ref# cols omitted. ",
    ":  Report changed files only in \"Overall Summary\" report.",
    ":  Process Only Text Files. Omit files detected as Binary.",
    ":  Compare New File",
};
inline constexpr char kSubcDescriptionTail[] = "character as the control replacement character.";
inline constexpr char kXtabDescriptionTail[] = "\" spaces.";
inline constexpr char kCcolOldCaption[] = ":  Compare Old File";
inline constexpr char kCcolRangeHeading[] = " St-Col : Sp-Col (1st)                 (2nd)";
// The Return button of the Preferences, Dp Options, About and OverView pages.
inline constexpr char kReturnCaption[] = "&Return";
inline constexpr char kReturnToMainPanelHint[] = "Returns to Main Panel";
inline constexpr char kCancelCaption[] = "&Cancel";
inline constexpr char kResetCaption[] = "&Reset";
inline constexpr char kPreferencesCancelHint[] = "Retains Original Preference Options and Returns";
inline constexpr char kPreferencesResetHint[] = "Resets all Preferences to Unchecked State";

// Dp Options.
inline constexpr char kDpGroupCaption[] =
    "Don't Process Options -- Limits Compare Set by Filtering Out Source Lines ";
// Description after each Dp entry, indexed by DpChoice. Dhtm's is two
// pieces; Dudc's follows its tag field.
inline constexpr std::array<const char*, kDpOptionCount> kDpDescriptions = {
    ":  Default.  No special processing option required.",
    ":  Don't process semicolon (eg. ini files) leading lines.",
    ":  Don't process REM (eg. bat files) leading lines.",
    ":  Don't process blank lines.",
    ":  Don't process Delphi 1/Pascal ( {...} and (*...*) ) comments.",
    ":  Don't process Delphi 2/3 ({...}, (*...*) and ...//) comments. ",
    ":  Don't process C++ ( // and /*..*/ ) comments.",
    ":  Don't process VB-3 comments ( Quote\" ' \" - Leading and Embedded to EOL).",
    ":  Don't process HTML Comment Lines- ",
    ":  Don't process Cobol comment lines having \"*\" in Column 7 (Abs.).",
    ":                   Leading comment tag. Embedded as tag to EOL.",
};
inline constexpr char kDhtmDescriptionTail[] = "(<!-- ... -->).";
inline constexpr char kDudcTagCaption[] = "One or More Char(s) as Start/Embedded Tag of Dp Comment";
inline constexpr std::array<const char*, 2> kYesNo = {kDudcEmbeddedYes, kDudcEmbeddedNo};
inline constexpr char kDpNote[] =
    "Most Dp Options include blank lines as comment lines. These blank lines are not processed "
    "but totaled in the Dp line count.";
inline constexpr char kDpCancelHint[] = "Retains the Original Dp Option and Returns";

// About and OverView.
inline constexpr char kAboutText[] =
    "Kestrin compares two text files line by line and two binary files byte by byte, or every "
    "pair of like-named files of a new and an old directory, and reports what was inserted, "
    "deleted, reformatted and moved.\n\n"
    "Its listings carry reference numbers and change flags, a statistics section for every pair "
    "and, for a directory compare, an overall summary. The report is shown in a single-panel or a "
    "side-by-side viewer that finds, prints and saves.\n\n"
    "Every choice made in this window is kept in Kestrin.ini in the configuration directory "
    "($XDG_CONFIG_HOME/kestrin/, by default ~/.config/kestrin/), or beside the program when a "
    "Kestrin.ini is there already.";
inline constexpr char kOverviewText[] =
    "1. On the Main Panel, type, pick or drop the new and the old name: two full file names, or "
    "two directories.\n\n"
    "2. Choose the Compare Type: two files, all like-named files of two directories, like-named "
    "files picked from one list, or pairs built from two directory lists.\n\n"
    "3. Choose the Listing Type: Chng lists the changes with some lines around them, Delta only "
    "the changed lines, Long every line, Ovsum only the summaries.\n\n"
    "4. Set the Preferences and the Dp (Don't Process) option if the compare needs them; the "
    "Main Panel shows the options chosen.\n\n"
    "5. Press Start. The status line follows the compare; Halt stops it. The report opens when "
    "the compare ends, unless \"Bypass show of Report Panel\" is ticked.\n\n"
    "Help opens the full help page in the desktop's browser.";
inline constexpr char kHelpCaption[] = "&Help";
inline constexpr char kHelpHint[] = "Opens the Kestrin help ";

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_MAIN_TEXTS_H_
