// The main window as the run controller sees it: the two name fields and
// their histories, the compare-type selector, the boxes a run reads, the
// buttons it enables, the status line, the focus and the two busy images.
// The window implements it; tests implement it without a screen.
#ifndef KESTRIN_RUN_MAIN_VIEW_H_
#define KESTRIN_RUN_MAIN_VIEW_H_

#include <string>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/engine_host.h"

namespace kestrin {

enum class NameField { kNew, kOld };

// The controls whose enabled state the run controller switches.
enum class MainControl { kStart, kHalt, kReShow, kExit, kBypassBox };

// Where the controller puts the keyboard focus.
enum class MainFocus { kNewName, kOldName, kExit, kStatusLine };

class MainView {
 public:
  virtual ~MainView() = default;

  // The text of a name field, exactly as typed.
  virtual std::string NameText(NameField field) const = 0;
  // The field's drop-down history, top entry first.
  virtual std::vector<std::string> NameHistory(NameField field) const = 0;
  // Inserts `text` as the new top entry of the field's history.
  virtual void InsertNameHistoryTop(NameField field, const std::string& text) = 0;
  // Remembers the texts both name fields hold now, for the directory
  // lookup's Cancel.
  virtual void RememberNameTexts() = 0;

  // The compare-type selector's text (it may have been typed by hand).
  virtual std::string CompareTypeText() const = 0;
  // Selects entry `index` (0-3) of the compare-type selector.
  virtual void SetCompareTypeIndex(int index) = 0;

  // True iff "Bypass show of Report Panel" is ticked.
  virtual bool BypassChecked() const = 0;
  // True iff "Include subdirectories" is ticked: directory compares then
  // take the files of the whole trees, by their relative paths.
  virtual bool SubdirectoriesIncluded() const = 0;
  // The current state of every control a compare snapshot reads (the
  // Preferences boxes, including Sbsl and Fscl, and the Dp Options page).
  virtual ControlValues Controls() const = 0;
  // Sets the Dp option; called when a run reset an out-of-range choice to 0.
  virtual void SetDpChoice(int dp_choice) = 0;

  virtual void SetEnabled(MainControl control, bool enabled) = 0;
  // Shows one line of text on the status line.
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetFocus(MainFocus target) = 0;

  // The two busy images: at most one is visible.
  // Swaps their visibility.
  virtual void ToggleBusyImages() = 0;
  // Shows the first image and hides the second.
  virtual void ShowFirstBusyImage() = 0;
  // Hides both images.
  virtual void HideBusyImages() = 0;
  // Shows the run's progress on the progress bar beside the status line.
  virtual void ShowRunProgress(const RunProgress& progress) = 0;

  // Lets the user interface process pending events (a Halt click may arrive).
  virtual void ProcessEvents() = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_MAIN_VIEW_H_
