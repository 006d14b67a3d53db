// The viewers' stored layout values as numbers: reading them back in order
// until one is not a number, writing them as decimal texts, and the rules of
// the list font size.
#ifndef KESTRIN_VIEWS_VIEWER_LAYOUT_VALUES_H_
#define KESTRIN_VIEWS_VIEWER_LAYOUT_VALUES_H_

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin {

// The number a stored value holds: optional sign and decimal digits only;
// nothing for any other text.
std::optional<int> StoredNumber(std::string_view text);

// Stored font sizes hold at most two characters, window values four.
inline constexpr size_t kStoredFontSizeWidth = 2;
inline constexpr size_t kStoredGeometryWidth = 4;

// `text` cut to the `width` characters a stored value holds.
std::string StoredText(std::string text, size_t width);
// The decimal text `value` is stored as, cut to `width` characters.
std::string StoredText(int value, size_t width);

// A stored font size text, with the designed "8" for an empty one.
std::string FontSizeText(const std::string& stored);

// One stored value and how the window takes it.
struct StoredValue {
  const std::string& text;
  std::function<void(int)> apply;
};

// Applies the values in order, skipping empty ones, and stops at the first
// that is not a number: the values before it stay applied. Returns true when
// every value was taken.
bool RestoreStoredValues(std::initializer_list<StoredValue> values);

// The largest font size the stored two-character text can hold.
inline constexpr int kLargestFontSize = 99;

// A list font size as chosen or typed: its points, or the message refusing
// it (not a whole number, or no size from 1 to 99).
struct FontSizeChoice {
  std::optional<int> points;
  std::string refusal;
};
FontSizeChoice ReadFontSize(std::string_view text);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_VIEWER_LAYOUT_VALUES_H_
