// The engine host of the benchmarks: no screen, so status texts go nowhere
// and every question is answered No.
#ifndef KESTRIN_BENCH_SILENT_HOST_H_
#define KESTRIN_BENCH_SILENT_HOST_H_

#include <string>

#include "engine/engine_host.h"

namespace kestrin {

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

}  // namespace kestrin

#endif  // KESTRIN_BENCH_SILENT_HOST_H_
