// The engine's entry point: compares every pair of a pair list and returns
// the final message.
#ifndef KESTRIN_ENGINE_PAIR_DRIVER_H_
#define KESTRIN_ENGINE_PAIR_DRIVER_H_

#include <string>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"
#include "engine/file_system.h"
#include "engine/pair_run.h"
#include "engine/report_driver.h"

namespace kestrin {

// The final messages; the trailing blanks are part of them.
inline constexpr char kFaultMessage[] =
    "ERROR: Kestrin files/options/code fault failure. Notify Developer.";
inline constexpr char kUserStopMessage[] = "INFORM: The User requested a premature program stop. ";
inline constexpr char kCcolErrorMessage[] = "ERROR: User error. Invalid CCol limits specified.";
inline constexpr char kProblemsMessage[] =
    "INFORM: The processing program has problems processing files. ";
inline constexpr char kDifferencesMessage[] = "INFORM: The processed files have differences.";
inline constexpr char kNothingComparedMessage[] =
    "INFORM: Nothing compared possibly due to filtering. ";
inline constexpr char kFilteredEquivalentMessage[] =
    "INFORM: The processed files compare as filtered equivalent files. ";
inline constexpr char kEquivalentMessage[] =
    "INFORM: The processed files compare as equivalent files. ";

struct RunRequest {
  const PairList& pairs;
  ControlValues& controls;  // snapshot source; its Dp choice may be reset to 0
  bool& halt_requested;     // set by Halt, cleared by the caller before the run
  EngineHost& host;
  ReportDriver& report;
  FileSystem& fs;
};

// Runs every pair of request.pairs and returns the final message (at most 70
// characters), which has also been handed to the report as its last line.
std::string RunPairs(const RunRequest& request);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_PAIR_DRIVER_H_
