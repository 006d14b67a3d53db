// An engine host that keeps nothing: status texts go nowhere and every
// question is answered No, so that a benchmark or a memory count sees only
// the run's own work.
#ifndef KESTRIN_TESTS_COMMON_SILENT_HOST_H_
#define KESTRIN_TESTS_COMMON_SILENT_HOST_H_

#include <string>

#include "engine/engine_host.h"

namespace kestrin::testkit {

class SilentHost : public EngineHost {
 public:
  void SetStatus(const std::string&) override {}
  void ToggleProgress() override {}
  void ShowFirstProgress() override {}
  void HideProgress() override {}
  void ProcessEvents() override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowMessage(const std::string&) override {}
};

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_SILENT_HOST_H_
