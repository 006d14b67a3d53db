// The report generator as the pair driver sees it. The report subsystem
// implements it; the engine never knows how lines are listed.
#ifndef KESTRIN_ENGINE_REPORT_DRIVER_H_
#define KESTRIN_ENGINE_REPORT_DRIVER_H_

#include <string>

namespace kestrin {

struct CompareRun;

class ReportDriver {
 public:
  virtual ~ReportDriver() = default;

  // A run begins: the listing-line counter starts again at 0.
  virtual void BeginRun() = 0;
  // A text pair begins: clears HeaderArmed, HeaderPending and ReportFull.
  virtual void BeginTextPair() = 0;
  // True iff the report store could not take a line for the current pair.
  virtual bool ReportFull() const = 0;
  // Called after each text section, after a compared binary pair, after a
  // pair found equal by Aeqf, and for a last pair skipped by Txfo. Decides
  // itself when a pair, and the run, are complete.
  virtual void ReportStep(CompareRun& run) = 0;
  // The run's final message, which becomes the report's last line.
  virtual void EndRun(const std::string& final_message) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_REPORT_DRIVER_H_
