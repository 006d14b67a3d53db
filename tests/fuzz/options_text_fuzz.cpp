// The OPTIONS text parser over any text: what it recognises, written out as
// an OPTIONS text in page order and read again, names the same options.
#include "engine/compare_settings.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  const ParsedOptions parsed =
      ParseOptionsText(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string text = OptionsText(parsed.dp_choice, parsed.preferences);
  const ParsedOptions again = ParseOptionsText(text);
  fuzz::Require(again.dp_choice == parsed.dp_choice && again.preferences == parsed.preferences);
  return 0;
}
