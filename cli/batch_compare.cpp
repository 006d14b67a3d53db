// One compare run of the batch program.
#include "cli/batch_compare.h"

#include <fstream>
#include <string_view>
#include <vector>

#include "cli/batch_host.h"
#include "cli/batch_texts.h"
#include "engine/compare_settings.h"
#include "engine/file_system.h"
#include "engine/pair_driver.h"
#include "engine/path.h"
#include "report/directory_run_info.h"
#include "report/report_generator.h"
#include "report/report_lines.h"
#include "run/headless_run.h"
#include "run/run_texts.h"

namespace kestrin {
namespace {

constexpr int kExitEquivalent = 0;
constexpr int kExitDifferences = 1;
constexpr int kExitTrouble = 2;

void WriteLines(const std::vector<std::string>& lines, std::ostream& stream) {
  for (const std::string& line : lines) {
    stream.write(line.data(), static_cast<std::streamsize>(line.size()));
    stream.put('\n');
  }
  stream.flush();
}

bool WriteSecondary(const std::vector<std::string>& lines, const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  WriteLines(lines, file);
  return static_cast<bool>(file);
}

DirectoryRunInfo RunInfoFor(const BatchOptions& options, const ControlValues& controls) {
  DirectoryRunInfo info;
  info.compare_type = kCompareTwoFiles;
  info.new_directory = options.new_file;
  info.old_directory = options.old_file;
  info.options_text = OptionsText(controls.dp_choice, controls.preferences);
  info.dudc_text = controls.dudc_tag;
  info.dudc_embedded = controls.dudc_embedded;
  return info;
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

int WriteBatchReport(const ReportLines& report, const BatchOptions& options, int status,
                     std::ostream& out, std::ostream& err) {
  WriteLines(report.Primary, out);
  if (!out) {
    err << kStandardOutputFailed << '\n';
    status = kExitTrouble;
  }
  if (!options.secondary_file.empty() &&
      !WriteSecondary(report.Secondary, options.secondary_file)) {
    err << kSecondaryWriteFailed << options.secondary_file << kSecondaryWriteFailedEnd << '\n';
    status = kExitTrouble;
  }
  return status;
}

int RunBatchCompare(const BatchOptions& options, ControlValues controls, std::ostream& out,
                    std::ostream& err, bool err_is_terminal) {
  FileSystem& fs = DefaultFileSystem();
  if (!fs.IsFile(options.new_file) || !fs.IsFile(options.old_file)) {
    err << kInvalidFileNamesMessage << '\n';
    return kExitTrouble;
  }
  PairList pairs;
  pairs.new_directory = DirectoryPart(options.new_file);
  pairs.old_directory = DirectoryPart(options.old_file);
  pairs.Add(NamePart(options.new_file), NamePart(options.old_file));

  ReportLines report;
  BatchHost host(err, options.progress, err_is_terminal);
  ReportGenerator generator(report, host, RunInfoFor(options, controls));
  bool halt_requested = false;
  const std::string final_message =
      RunPairs(RunRequest{pairs, controls, halt_requested, host, generator, fs});
  host.EndStatusLine();
  return WriteBatchReport(report, options,
                          ExitStatusFor(final_message, host.ReportedTrouble()), out, err);
}

int RunBatchDirectoryCompare(const BatchOptions& options, const ControlValues& controls,
                             int compare_type, std::ostream& out, std::ostream& err,
                             bool err_is_terminal) {
  BatchHost host(err, options.progress, err_is_terminal);
  HeadlessRequest request;
  request.new_name = options.new_file;
  request.old_name = options.old_file;
  request.compare_type = compare_type;
  request.mask = options.mask;
  request.selection = compare_type == kComparePickedPairs ? options.select_pairs : options.select;
  request.controls = controls;
  request.on_status = [&host](const std::string& text) { host.SetStatus(text); };
  const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  host.EndStatusLine();
  // Start's messages and the run's questions each tell of something not done.
  for (const std::string& message : outcome.messages) err << message << '\n';
  if (!outcome.ran) return kExitTrouble;
  return WriteBatchReport(outcome.report, options,
                          ExitStatusFor(outcome.final_message, !outcome.messages.empty()), out,
                          err);
}

}  // namespace kestrin
