// The batch program's argument parser over any arguments (the input cut at
// its zero bytes): it accepts them or says why not.
#include "cli/batch_options.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  using namespace kestrin::fuzz;
  InputReader input(data, size);
  std::vector<std::string> arguments;
  while (!input.Rest().empty()) arguments.emplace_back(input.TextUpTo('\0'));
  const BatchArguments parsed = ParseBatchArguments(arguments);
  Require(parsed.valid || !parsed.error.empty());
  return 0;
}
