// One compare request run without windows, as the batch program needs it:
// two files (compare type 1) or two directories (types 2 to 4) under a mask,
// with the pairs of types 3 and 4 taken from a saved selection text.
#ifndef KESTRIN_RUN_HEADLESS_RUN_H_
#define KESTRIN_RUN_HEADLESS_RUN_H_

#include <functional>
#include <string>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"
#include "engine/file_system.h"
#include "engine/pair_run.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_sink.h"
#include "run/directory_listing.h"

namespace kestrin {

struct HeadlessRequest {
  std::string new_name;
  std::string old_name;
  int compare_type = kCompareTwoFiles;  // 1 to 4, as the selector numbers them
  std::string mask = kAllFilesMask;     // the directory listings' mask
  bool include_subdirectories = false;  // directories: compare the whole trees
  std::string selection;     // type 3: "a.txt;b.txt;"; type 4: "new.c : old.c;"
  ControlValues controls;    // the preferences and listing type
  // When set, sees the run as the main window would: status texts and busy
  // images, and every question and message of the running compare as it
  // comes; it answers those questions. Start's own messages and questions,
  // which speak of the window's fields, only come back in the outcome, and
  // every question of Start, or of a run without a host, is answered No.
  EngineHost* host = nullptr;
  // Takes the report's lines as they are made; the outcome's report then
  // holds none. Null keeps the report whole in the outcome.
  ReportSink* sink = nullptr;
  // When set, is asked with the pair list just before the engine runs it;
  // false runs nothing (the outcome then has ran false).
  std::function<bool(const PairList&)> accepts_pairs;
};

struct HeadlessOutcome {
  bool ran = false;           // the engine ran the pair list
  std::string final_message;  // the engine's final message when it ran
  // Start's messages and any question (answered No), in order.
  std::vector<std::string> messages;
  PairList pairs;  // the pairs run, each side's name as it was opened
  ReportLines report;
};

// Runs `request` through the run controller as Start would, with the pair
// dialogs' Start Compare pressed at once.
HeadlessOutcome RunHeadless(const HeadlessRequest& request, FileSystem& fs);

}  // namespace kestrin

#endif  // KESTRIN_RUN_HEADLESS_RUN_H_
