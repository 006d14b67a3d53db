// The narrow interface through which the engine meets its surroundings: the
// main window, the batch program and tests each implement it.
#ifndef KESTRIN_ENGINE_ENGINE_HOST_H_
#define KESTRIN_ENGINE_ENGINE_HOST_H_

#include <cstdint>
#include <string>

namespace kestrin {

// How far a run has come: the pairs done of the run's pairs, and the bytes
// of the pair in hand (both files) read so far of its size.
struct RunProgress {
  int32_t pairs_done = 0;
  int32_t pair_count = 0;
  int64_t bytes_read = 0;
  int64_t pair_bytes = 0;
};

class EngineHost {
 public:
  virtual ~EngineHost() = default;

  // Shows one line of text on the status line.
  virtual void SetStatus(const std::string& text) = 0;
  // The progress indicator is two pictures of which at most one is visible.
  // Swaps their visibility.
  virtual void ToggleProgress() = 0;
  // Shows the first picture and hides the second.
  virtual void ShowFirstProgress() = 0;
  // Hides both pictures.
  virtual void HideProgress() = 0;
  // Shows how far the run has come; a host without a progress bar ignores it.
  virtual void ShowRunProgress(const RunProgress& progress) { static_cast<void>(progress); }
  // Lets the user interface process pending events; the Halt button may set
  // the run's halt request meanwhile.
  virtual void ProcessEvents() = 0;
  // Asks a question with Yes and No buttons. Returns true for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // Shows an information message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_ENGINE_HOST_H_
