// One compare run of the batch program, through the headless run.
#include "cli/batch_compare.h"

#include <string_view>

#include "cli/batch_host.h"
#include "cli/batch_report_writer.h"
#include "cli/batch_secondary.h"
#include "cli/batch_texts.h"
#include "engine/compare_settings.h"
#include "engine/file_system.h"
#include "engine/engine_texts.h"
#include "engine/path.h"
#include "report/directory_run_info.h"
#include "run/headless_run.h"

namespace kestrin {
namespace {

constexpr int kExitEquivalent = 0;
constexpr int kExitDifferences = 1;
constexpr int kExitTrouble = 2;

// The full names of every file a run compared.
std::vector<std::string> ComparedFiles(const PairList& pairs) {
  std::vector<std::string> files;
  for (size_t k = 0; k < pairs.new_names.size() && k < pairs.old_names.size(); ++k) {
    files.push_back(JoinPath(pairs.new_directory, pairs.new_names[k]));
    files.push_back(JoinPath(pairs.old_directory, pairs.old_names[k]));
  }
  return files;
}

// Refuses a --secondary file that is one of `compared`, which the Secondary
// list would overwrite. Returns true when it is refused.
bool RefusesSecondary(const BatchOptions& options, const std::vector<std::string>& compared,
                      std::ostream& err) {
  if (options.secondary_file.empty() || !NamesComparedFile(options.secondary_file, compared)) {
    return false;
  }
  err << kSecondaryIsCompared << options.secondary_file << kSecondaryIsComparedEnd << '\n';
  return true;
}

}  // namespace

int ExitStatusFor(const std::string& final_message, bool reported_trouble) {
  if (reported_trouble) return kExitTrouble;
  for (std::string_view equivalent :
       {kEquivalentMessage, kFilteredEquivalentMessage, kNothingComparedMessage}) {
    if (final_message == equivalent) return kExitEquivalent;
  }
  return final_message == kDifferencesMessage ? kExitDifferences : kExitTrouble;
}

int RunBatchCompare(const BatchOptions& options, const BatchChoices& choices,
                    std::ostream& out, std::ostream& err, bool err_is_terminal, FileSystem& fs) {
  if (RefusesSecondary(options, {options.new_file, options.old_file}, err)) return kExitTrouble;
  BatchHost host(err, options.progress, err_is_terminal);
  HeadlessRequest request;
  request.new_name = options.new_file;
  request.old_name = options.old_file;
  request.compare_type = choices.compare_type;
  request.mask = options.mask;
  request.selection = choices.selection;
  request.controls = choices.controls;
  request.include_subdirectories = choices.include_subdirectories;
  request.host = &host;
  BatchReportWriter writer(out, options.secondary_file);
  request.sink = &writer;
  // A compared file is refused before anything is written.
  bool secondary_refused = false;
  request.accepts_pairs = [&](const PairList& pairs) {
    secondary_refused = RefusesSecondary(options, ComparedFiles(pairs), err);
    return !secondary_refused;
  };
  const HeadlessOutcome outcome = RunHeadless(request, fs);
  host.EndStatusLine();
  // The names were checked before: Start refuses only a run without a pair,
  // and the Secondary file's check has told why it refused.
  if (!outcome.ran) {
    if (!secondary_refused) {
      err << NothingToCompareText(choices.compare_type, options.new_file, options.old_file,
                                  options.mask)
          << '\n';
    }
    return kExitTrouble;
  }
  return writer.Finish(ExitStatusFor(outcome.final_message, host.ReportedTrouble()),
                       outcome.report.settings.Sbsl, err);
}

}  // namespace kestrin
