// A whole pair compared with the Long or the Chng listing, the two files cut
// from one input so that they share much of their text: the run ends with one
// of its final messages as the report's last line, and no line is longer
// than a report line.
#include "engine/compare_settings.h"
#include "run/headless_run.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  using namespace kestrin::fuzz;
  InputReader input(data, size);
  HeadlessRequest request;
  request.controls.listing_type_text = input.Flag() ? "Long" : "Chng";
  for (const Preference preference : {Preference::kFmvl, Preference::kSbsl, Preference::kIcas,
                                      Preference::kRovr, Preference::kTxal, Preference::kLorl}) {
    request.controls.SetChecked(preference, input.Flag());
  }
  request.controls.dp_choice = input.Choice(kDpOptionCount);
  const std::string_view text = input.Rest();
  // New: the whole input but a cut-out middle; old: the input from a later
  // start. Both share the text around the cut.
  const size_t cut = text.empty() ? 0 : data[0] % text.size();
  const size_t cut_length = text.empty() ? 0 : data[size - 1] % (text.size() - cut + 1);
  MemoryFileSystem fs;
  fs.files["/fuzz/new.txt"] =
      std::string(text.substr(0, cut)) + std::string(text.substr(cut + cut_length));
  fs.files["/fuzz/old.txt"] = std::string(text.substr(cut_length / 2));
  request.new_name = "/fuzz/new.txt";
  request.old_name = "/fuzz/old.txt";

  const HeadlessOutcome outcome = RunHeadless(request, fs);
  const StoredLines& lines = outcome.report.Primary;
  Require(outcome.ran && !lines.empty() && lines.back() == outcome.final_message &&
          lines.LongestLine() <= 132);
  return 0;
}
