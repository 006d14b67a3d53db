// Reading one section of a settings file's text and replacing it while every
// other line of the file stays as it was.
#ifndef KESTRIN_SETTINGS_INI_TEXT_H_
#define KESTRIN_SETTINGS_INI_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

// The line end of a settings file as it is written: LF. A CR before an LF
// is read as part of the line end.
inline constexpr char kIniLineEnd = '\n';
inline constexpr char kIniCarriageReturn = '\r';
inline constexpr char kIniLineEndBytes[] = {kIniCarriageReturn, kIniLineEnd, '\0'};

// True iff `a` and `b` are equal when the ASCII letters are folded to one case.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The lines of every section named `section` (the header "[name]" in any
// letter case, blanks around it allowed), in file order, each without its
// line end (LF or CR LF). The headers are not included.
std::vector<std::string_view> SectionLines(std::string_view text, std::string_view section);

// True iff `text` has a header of the section `section`, in any letter case.
bool HasSection(std::string_view text, std::string_view section);

// `text` with every section named `section` taken out and `body` (a whole
// section, header included, each line ending in LF) put where the first of
// them stood, followed by a blank line when another section follows; or, when
// there is none, at the end after a blank line. Every other line keeps its
// bytes; only a missing line end at the very end of `text` is added.
std::string ReplaceSection(std::string_view text, std::string_view section, std::string_view body);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_INI_TEXT_H_
