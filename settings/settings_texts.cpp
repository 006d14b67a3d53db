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

std::string ReadFailureText(std::string_view path, std::string_view cause) {
  return "Cannot read the settings file " + Quoted(path) + ": " + std::string(cause) + ".";
}

}  // namespace kestrin
