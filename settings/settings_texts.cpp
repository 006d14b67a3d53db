// The settings file's failure texts.
#include "settings/settings_texts.h"

namespace kestrin {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string SaveFailureText(std::string_view path, std::string_view step, std::string_view cause) {
  std::string text = "The settings were not saved to " + Quoted(path) + ": " + std::string(step);
  if (!cause.empty()) text += " (" + std::string(cause) + ")";
  return text + ". The old file is unchanged.";
}

std::string NoSectionCause(std::string_view section) {
  return "it has no [" + std::string(section) + "] section";
}

std::string NotAFileCause(std::string_view kind) {
  return "it is a " + std::string(kind) + ", not a file";
}

std::string NotAChoiceReason(std::span<const char* const> choices) {
  std::string reason = "which is not one of ";
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (i > 0) reason += ", ";
    reason += choices[i];
  }
  return reason + " and is not used";
}

std::string UnknownKeywordReason(std::string_view word) {
  return "in which " + std::string(word) + " is no keyword";
}

std::string SecondDpKeywordReason(std::string_view word) {
  return "in which " + std::string(word) + " is a second Dp keyword";
}

std::string RejectedValueText(std::string_view path, std::string_view key, std::string_view value,
                              std::string_view reason) {
  return "The settings file " + Quoted(path) + " has " + std::string(key) + "=" +
         std::string(value) + ", " + std::string(reason) + ".";
}

std::string ReadFailureText(std::string_view path, std::string_view cause) {
  return "Cannot read the settings file " + Quoted(path) + ": " + std::string(cause) + ".";
}

}  // namespace kestrin
