// The settings record's rules that do not depend on the file.
#include "settings/kestrin_settings.h"

namespace kestrin {

std::string NormalisedSubc(std::string_view text) {
  if (text.empty()) return std::string(kDefaultSubc);
  if (text.size() == 3 && text.front() == '"') return std::string(text);
  return std::string{'"', text.front(), '"'};
}

CompareChoices CompareChoicesOf(const KestrinSettings& settings) {
  return CompareChoices{settings.controls, settings.CompareType, settings.InclSubDirs,
                        settings.SvLList, settings.SvULList};
}

}  // namespace kestrin
