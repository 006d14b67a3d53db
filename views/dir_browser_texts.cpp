// The directory browsing texts that carry an inserted name.
#include "views/dir_browser_texts.h"

#include <initializer_list>

#include "engine/path.h"

namespace kestrin {
namespace {

// Each text is its pieces with the inserted names between them.
constexpr char kUseAsDirStart[] = "Highlighted directory  \"";
constexpr char kUseAsDirMiddle[] = "\" must be double-clicked since \"";
constexpr char kUseAsDirAgreement[] =
    "\" does not agree with \"Use As Dir\" full path directory name. Return To Double-click \"";
constexpr char kUseAsDirChoice[] = "\"? (Yes) or Use \"";
constexpr char kUseAsDirEnd[] = "\" ? (No)";
constexpr char kUseAsFileAgreement[] =
    "\" does not agree with \"Use As Dir subdirectory path name.  Return required to "
    "double-click \"";
constexpr char kUseAsFileEnd[] = "\" or make another choice.";
constexpr char kLookupStart[] = "Directory  \"";
constexpr char kLookupMiddle[] = "\" not double-clicked since \"";
constexpr char kLookupExpanded[] = "\" is shown as expanded. Use \"";
constexpr char kLookupChoice[] = "\"? (Yes) or Return to reselect \"";
constexpr char kLookupEnd[] = "\" ? (No)";
constexpr char kNotOpenedStart[] = "The directory \"";
constexpr char kNotOpenedEnd[] = "\" cannot be opened; the list shows what is there now.";

std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

}  // namespace

std::string UseAsDirQuestion(std::string_view highlighted_name, std::string_view open_name) {
  const std::string highlighted = ShownName(highlighted_name);
  const std::string open = ShownName(open_name);
  return Joined({kUseAsDirStart, highlighted, kUseAsDirMiddle, open, kUseAsDirAgreement,
                 highlighted, kUseAsDirChoice, open, kUseAsDirEnd});
}

std::string UseAsFileMessage(std::string_view highlighted_name, std::string_view open_name) {
  const std::string highlighted = ShownName(highlighted_name);
  const std::string open = ShownName(open_name);
  return Joined({kUseAsDirStart, highlighted, kUseAsDirMiddle, open, kUseAsFileAgreement,
                 highlighted, kUseAsFileEnd});
}

std::string LookupOldDirQuestion(std::string_view highlighted_name, std::string_view open_name) {
  const std::string highlighted = ShownName(highlighted_name);
  const std::string open = ShownName(open_name);
  return Joined({kLookupStart, highlighted, kLookupMiddle, open, kLookupExpanded, open,
                 kLookupChoice, highlighted, kLookupEnd});
}

std::string DirectoryNotOpenedMessage(std::string_view directory) {
  return Joined({kNotOpenedStart, ShownName(directory), kNotOpenedEnd});
}

}  // namespace kestrin
