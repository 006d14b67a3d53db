// The fixed texts of the directory browsing windows: the Dir/File Select
// page and the directory lookup dialog. Blanks inside the texts are part of
// them.
#ifndef KESTRIN_UI_DIR_BROWSER_TEXTS_H_
#define KESTRIN_UI_DIR_BROWSER_TEXTS_H_

namespace kestrin {

// The browser both windows show.
inline constexpr char kDriveCaption[] = "Drive:";
// The directory list and the file list scroll sideways over this width, so
// that long names stay readable in narrow lists.
inline constexpr int kBrowserScrollWidth = 1000;

// Dir/File Select page.
inline constexpr char kPageUseAsDirPathCaption[] = "Use As Dir:";
inline constexpr char kUseAsDirGroupCaption[] = "Use As Dir";
inline constexpr char kPageNewDirCaption[] = "New Dir ";
inline constexpr char kPageOldDirCaption[] = "Old  Dir";
inline constexpr char kUseAsFileGroupCaption[] = "Use As File";
inline constexpr char kPageNewFileCaption[] = " New File";
inline constexpr char kPageOldFileCaption[] = "Old  File";
inline constexpr char kReturnedNamesCaption[] = "Returned Directory/File Names:";
inline constexpr char kReturnedNewCaption[] = "New Dir/File:";
inline constexpr char kReturnedOldCaption[] = "Old  Dir/File:";
inline constexpr char kPageReturnCaption[] = "    Return";
inline constexpr char kPageCancelCaption[] = "    Cancel";
inline constexpr char kPageNewDirHint[] = "Returns the open directory as the new directory ";
inline constexpr char kPageOldDirHint[] = "Returns the open directory as the old directory ";
inline constexpr char kPageNewFileHint[] = "Returns the highlighted file as the new file ";
inline constexpr char kPageOldFileHint[] = "Returns the highlighted file as the old file ";
inline constexpr char kPageReturnHint[] = "Takes the returned names to the Main Panel ";
inline constexpr char kPageCancelHint[] = "Keeps the former names and returns to the Main Panel ";

// Directory lookup dialog.
inline constexpr char kLookupTitle[] = "Kestrin  Directory Selection Panel";
inline constexpr char kLookupUseAsDirPathCaption[] = "Use As Dir: ";
inline constexpr char kLookupFileListCaption[] = "File List:";
inline constexpr char kLookupReferenceOnlyCaption[] = "(Reference Only)";
inline constexpr char kLookupUseAsGroupCaption[] = "Use As";
inline constexpr char kLookupNewDirCaption[] = " &New Dir";
inline constexpr char kLookupOldDirCaption[] = " &Old Dir";
inline constexpr char kLookupReturnedCaption[] = "Returned Directory Name:";
inline constexpr char kLookupNewNameCaption[] = "New Dir Name:";
inline constexpr char kLookupOldNameCaption[] = "Old  Dir Name:";
inline constexpr char kLookupReturnCaption[] = "    &Return";
inline constexpr char kLookupCancelCaption[] = "    &Cancel";
inline constexpr char kLookupNewDirHint[] =
    "Returns the highlighted directory as the new directory ";
inline constexpr char kLookupOldDirHint[] = "Returns the open directory as the old directory ";
inline constexpr char kLookupReturnHint[] =
    "Lists the pair dialog again on the returned directories ";
inline constexpr char kLookupCancelHint[] =
    "Lists the pair dialog again on the former directories ";

}  // namespace kestrin

#endif  // KESTRIN_UI_DIR_BROWSER_TEXTS_H_
