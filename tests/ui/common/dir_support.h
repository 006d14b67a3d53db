// Helpers for the widget tests of the directory browsing windows: dialogs
// that show the real pair and lookup windows and let each opening act out
// the next script instead of waiting for a user, a fixture that builds the
// real main window with them, and small actions on lists and fields.
#ifndef KESTRIN_TESTS_UI_DIR_SUPPORT_H_
#define KESTRIN_TESTS_UI_DIR_SUPPORT_H_

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/common/main_support.h"
#include "ui/browse/dir_browser_windows.h"

class QComboBox;
class QDialog;
class QListWidget;
class QTreeWidget;
class QWidget;

namespace kestrin::dir_testing {

// What the user does while a modal window is shown; the window must be
// closed when it returns.
using WindowScript = std::function<void(QDialog& window)>;

// Questions and messages as in the main window's tests; the pair dialogs
// and the lookup dialog are the real windows, shown without a modal loop,
// each opening running the next script ("window:<object name>" in the log).
class WindowScriptDialogs : public testkit::RecordingRunDialogs {
 public:
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override;
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;

  // Shows the windows of `windows` from now on.
  void Attach(DirBrowserWindows& windows);

  std::deque<WindowScript> scripts;

 private:
  void RunNextScript(QDialog& window);

  DirBrowserWindows* windows_ = nullptr;
};

// The real main window in a scratch program directory with WindowScriptDialogs.
class DirWindowFixture {
 public:
  DirWindowFixture();
  ~DirWindowFixture();

  // Makes the window (again), as the program does at start.
  TFrmMain& Make();
  TFrmMain& Window() { return *window_; }
  // Sets the two name fields and picks compare type `index` (0-3).
  void Names(const std::string& new_name, const std::string& old_name, int compare_type);
  // Presses Start on the Main Panel.
  void Start();

  testkit::ScratchDirectory scratch;
  WindowScriptDialogs dialogs;
  main_testing::RecordingHelpViewer help;

 private:
  std::unique_ptr<TFrmMain> window_;
};

// Clicks the push button named `name` inside `window`.
void Click(QWidget& window, const char* name);
// The rows of a list, top to bottom.
std::vector<std::string> Rows(const QListWidget* list);
// Highlights exactly the rows of `list` whose texts are `texts`.
void Highlight(QListWidget* list, const std::vector<std::string>& texts);
}  // namespace kestrin::dir_testing

#endif  // KESTRIN_TESTS_UI_DIR_SUPPORT_H_
