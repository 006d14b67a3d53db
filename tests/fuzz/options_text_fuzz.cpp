// The OPTIONS text parser over any text: what it recognises, written out as
// an OPTIONS text in page order and read again, names the same options.
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/compare_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  const ParsedOptions parsed =
      ParseOptionsText(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string text = OptionsText(parsed.dp_choice, parsed.preferences);
  const ParsedOptions again = ParseOptionsText(text);
  if (again.dp_choice != parsed.dp_choice || again.preferences != parsed.preferences) {
    std::abort();
  }
  return 0;
}
