// The settings file parser over any bytes: a load gives settings whatever
// the file holds, and the compare choices of a file are read or refused.
#include "settings/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  fuzz::MemoryFileSystem fs;
  const std::string path = "/fuzz/Kestrin.ini";
  fs.files[path] = std::string(reinterpret_cast<const char*>(data), size);
  static_cast<void>(LoadSettings(path, fs));
  static_cast<void>(LoadCompareChoices(path, fs));
  return 0;
}
