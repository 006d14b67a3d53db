// The --secondary file: the Secondary list of a side-by-side report. It is
// never written over one of the compared files, and never in place, so that
// a refused or failed write leaves the old file whole.
#ifndef KESTRIN_CLI_BATCH_SECONDARY_H_
#define KESTRIN_CLI_BATCH_SECONDARY_H_

#include <string>
#include <vector>

namespace kestrin {

// True iff `secondary` names one of `compared`: the same name, or the same
// file under another name (a link, a relative name).
bool NamesComparedFile(const std::string& secondary, const std::vector<std::string>& compared);

// Makes the file `path` hold `lines`, each ended by a line feed: writes a
// temporary file beside it and renames it over `path` (a symbolic link
// there is replaced, not followed). Returns false, and leaves `path` as it
// was, when that fails.
bool WriteSecondaryFile(const std::vector<std::string>& lines, const std::string& path);

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_SECONDARY_H_
