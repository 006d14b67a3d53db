// How a file name is split into its directory part and its name part, and
// how the two are joined: the platform's one rule for paths.
#ifndef KESTRIN_ENGINE_PATH_H_
#define KESTRIN_ENGINE_PATH_H_

#include <string>
#include <string_view>

namespace kestrin {

// True iff `c` ends the directory part of a name on this platform.
bool IsPathSeparator(char c);

// The directory part of `name`, up to and including its last separator;
// empty when it has none.
std::string DirectoryPart(std::string_view name);

// The name part of `name`, after its last separator.
std::string NamePart(std::string_view name);

// `directory` and `name` joined with the platform separator, which is added
// only when `directory` is not empty and does not already end with one.
std::string JoinPath(std::string_view directory, std::string_view name);

// ASCII letters A-Z folded to a-z; nothing else changes.
std::string LowerAscii(std::string_view text);

// `name` as it is shown to the user in a report, a status text or a message:
// every control character (a line break among them) becomes "?", so that one
// name is always one line and cannot forge lines of its own. Only for
// showing: a file is always opened by its name as it is.
std::string ShownName(std::string_view name);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_PATH_H_
