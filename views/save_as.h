// The Save As decisions of both viewers: what the save dialog shows and
// proposes, how the chosen name is completed, which names mean RTF, and the
// name kept as OutFn.
#ifndef KESTRIN_VIEWS_SAVE_AS_H_
#define KESTRIN_VIEWS_SAVE_AS_H_

#include <string>
#include <vector>

#include "engine/file_system.h"
#include "views/print_page.h"

namespace kestrin {

// One choice of the dialog's file types: the name shown and its pattern.
struct SaveFilter {
  std::string name;     // "Text File (*.Txt)"
  std::string pattern;  // "*.txt"
};

// What the save dialog shows.
struct SaveDialogRequest {
  std::string title;
  std::vector<SaveFilter> filters;
  std::string start_directory;
  std::string proposed_name;     // a file name without directory; may be empty
  bool confirm_replace = false;  // ask before replacing an existing file
};

// The dialog for the viewer of `panel`: it starts where the last saved file
// `out_fn` lies and proposes its name when that file still exists, else in
// the directory part of the main window's new-directory text. Only the single
// panel asks before replacing a file.
SaveDialogRequest SaveDialogFor(PrintPanel panel, const std::string& out_fn,
                                const std::string& new_directory_text, FileSystem& files);

// The name a chosen name is saved under: with ".txt" appended when its file
// name has no extension.
std::string CompleteSaveName(const std::string& chosen);

// True iff the file name's extension is ".rtf" in any letter case.
bool IsRtfName(const std::string& name);

// The name kept as OutFn: its first 149 characters.
std::string StoredSaveName(const std::string& name);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SAVE_AS_H_
