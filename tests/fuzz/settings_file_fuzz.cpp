// The settings file parser and the OPTIONS text parser over any bytes: a load
// gives settings whatever the file holds, the compare choices of a file are
// read or refused, and what the OPTIONS parser recognises, written out as an
// OPTIONS text in page order and read again, names the same options.
#include "engine/compare_settings.h"
#include "settings/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  fuzz::MemoryFileSystem fs;
  const std::string path = "/fuzz/Kestrin.ini";
  const std::string& bytes = fs.files[path] =
      std::string(reinterpret_cast<const char*>(data), size);
  static_cast<void>(LoadSettings(path, fs));
  static_cast<void>(LoadCompareChoices(path, fs));
  const ParsedOptions parsed = ParseOptionsText(bytes);
  const ParsedOptions again = ParseOptionsText(OptionsText(parsed.dp_choice, parsed.preferences));
  fuzz::Require(again.dp_choice == parsed.dp_choice && again.preferences == parsed.preferences);
  return 0;
}
