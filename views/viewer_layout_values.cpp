// Stored layout values and font sizes of the viewers.
#include "views/viewer_layout_values.h"

#include <charconv>

#include "views/viewer_texts.h"

namespace kestrin {
namespace {

std::string WithValue(std::string_view format, std::string_view value) {
  std::string text(format);
  const size_t marker = text.find("%1");
  if (marker != std::string::npos) text.replace(marker, 2, value);
  return text;
}

}  // namespace

std::optional<int> StoredNumber(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string StoredText(std::string text, size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

std::string StoredText(int value, size_t width) { return StoredText(std::to_string(value), width); }

std::string FontSizeText(const std::string& stored) {
  return stored.empty() ? std::string(kDefaultFontSize) : stored;
}

bool RestoreStoredValues(std::initializer_list<StoredValue> values) {
  for (const StoredValue& value : values) {
    if (value.text.empty()) continue;
    const std::optional<int> number = StoredNumber(value.text);
    if (!number) return false;
    value.apply(*number);
  }
  return true;
}

FontSizeChoice ReadFontSize(std::string_view text) {
  const std::optional<int> number = StoredNumber(text);
  if (!number) return {std::nullopt, WithValue(kNotWholeNumberFormat, text)};
  if (*number < 1 || *number > kLargestFontSize) {
    return {std::nullopt, WithValue(kFontSizeRangeFormat, text)};
  }
  return {number, {}};
}

}  // namespace kestrin
