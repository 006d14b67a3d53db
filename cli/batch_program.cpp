// The batch program: reads the command line and runs the compare.
#include "cli/batch_program.h"

#include <cstdio>
#include <iostream>
#include <ostream>

#include "cli/batch_choices.h"
#include "cli/batch_compare.h"
#include "cli/batch_inputs.h"
#include "cli/batch_options.h"
#include "cli/batch_texts.h"
#include "engine/file_system.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kestrin {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitUsage = 2;

// True iff `err` is the process's standard error and that is a terminal.
bool IsTerminal(const std::ostream& err) {
  if (&err != &std::cerr) return false;
#if defined(_WIN32)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             FileSystem& fs) {
  const BatchArguments parsed = ParseBatchArguments(arguments);
  if (!parsed.valid) {
    err << parsed.error << '\n' << kBatchUsage;
    return kExitUsage;
  }
  if (parsed.options.help) {
    out << kBatchUsage;
    return kExitSuccess;
  }
  if (parsed.options.version) {
    out << kBatchVersion << '\n';
    return kExitSuccess;
  }
  if (const std::string error = InputsError(parsed.options, fs); !error.empty()) {
    err << error << '\n';
    return kExitUsage;
  }
  const BatchChoices choices = ResolveBatchChoices(parsed.options, fs);
  if (!choices.warnings.empty()) err << choices.warnings << '\n';
  if (!choices.error.empty()) {
    err << choices.error << '\n';
    return kExitUsage;
  }
  return RunBatchCompare(parsed.options, choices, out, err, IsTerminal(err), fs);
}

}  // namespace kestrin
