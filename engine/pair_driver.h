// The engine's entry point: compares every pair of a pair list and returns
// the final message.
#ifndef KESTRIN_ENGINE_PAIR_DRIVER_H_
#define KESTRIN_ENGINE_PAIR_DRIVER_H_

#include <string>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"
#include "engine/engine_texts.h"  // the final messages RunPairs returns
#include "engine/file_system.h"
#include "engine/pair_run.h"
#include "engine/report_driver.h"

namespace kestrin {

struct RunRequest {
  const PairList& pairs;
  ControlValues& controls;  // snapshot source; its Dp choice may be reset to 0
  bool& halt_requested;     // set by Halt, cleared by the caller before the run
  EngineHost& host;
  ReportDriver& report;
  FileSystem& fs;
};

// Runs every pair of request.pairs and returns the final message (one of
// engine_texts.h's, at most 70 characters), which has also been handed to the
// report as its last line.
std::string RunPairs(const RunRequest& request);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_PAIR_DRIVER_H_
