// The engine's host for the batch program: status texts and messages go to
// standard error, and every question is answered No.
#ifndef KESTRIN_CLI_BATCH_HOST_H_
#define KESTRIN_CLI_BATCH_HOST_H_

#include <ostream>
#include <string>

#include "engine/engine_host.h"

namespace kestrin {

class BatchHost : public EngineHost {
 public:
  // Status texts are shown only with `show_status`; on a terminal they
  // rewrite one line in place, otherwise each takes a line of its own.
  BatchHost(std::ostream& err, bool show_status, bool terminal)
      : err_(err), show_status_(show_status), terminal_(terminal) {}

  void SetStatus(const std::string& text) override;
  void ToggleProgress() override {}
  void ShowFirstProgress() override {}
  void HideProgress() override {}
  void ProcessEvents() override {}
  // Writes "<question> (Yes/No) No" and answers No.
  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override;

  // Ends the status line left on a terminal.
  void EndStatusLine();
  // True iff the run asked a question or showed a message: every one tells
  // of a file that could not be processed or a report that is incomplete.
  bool ReportedTrouble() const { return reported_trouble_; }

 private:
  std::ostream& err_;
  const bool show_status_;
  const bool terminal_;
  bool status_line_open_ = false;
  bool reported_trouble_ = false;
};

}  // namespace kestrin

#endif  // KESTRIN_CLI_BATCH_HOST_H_
