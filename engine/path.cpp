// The platform's one rule for splitting and joining file names.
#include "engine/path.h"

namespace kestrin {

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == ':' || c == '/';
#else
  return c == '/';
#endif
}

namespace {

// Index just past the last separator of `name`, 0 when it has none.
size_t NameStart(std::string_view name) {
  for (size_t i = name.size(); i > 0; --i) {
    if (IsPathSeparator(name[i - 1])) return i;
  }
  return 0;
}

}  // namespace

std::string DirectoryPart(std::string_view name) {
  return std::string(name.substr(0, NameStart(name)));
}

std::string NamePart(std::string_view name) { return std::string(name.substr(NameStart(name))); }

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string path(directory);
  if (!path.empty() && !IsPathSeparator(path.back())) {
#ifdef _WIN32
    path += '\\';
#else
    path += '/';
#endif
  }
  path += name;
  return path;
}

std::string LowerAscii(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

std::string ShownName(std::string_view name) {
  constexpr char kShownControl = '?';
  constexpr unsigned char kDelete = 127;
  std::string shown(name);
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < ' ' || byte == kDelete) c = kShownControl;
  }
  return shown;
}

}  // namespace kestrin
