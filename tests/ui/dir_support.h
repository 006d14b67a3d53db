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

#include "tests/ui/main_support.h"
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
// The report of the last run is kept whole.
class WindowScriptDialogs : public main_testing::ScriptedDialogs {
 public:
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override;
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;
  void ShowReportViewer(const ReportLines& report) override;

  // Shows the windows of `windows` from now on.
  void Attach(DirBrowserWindows& windows);

  std::deque<WindowScript> scripts;
  std::vector<std::string> report;  // the Primary lines of the last report shown

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

  main_testing::MainScratch scratch;
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
// Makes the row showing `text` the current row of a single-choice list.
void Choose(QListWidget* list, const std::string& text);
// Types `text` into an editable drop-down and presses Enter.
void Enter(QComboBox* field, const std::string& text);
// The entries of a directory or file list, top to bottom, one per line.
std::string Entries(const QTreeWidget* list);
// Clicks and double-clicks the entry showing `text` as a user does.
void ClickEntry(QTreeWidget* list, const std::string& text);
void DoubleClickEntry(QTreeWidget* list, const std::string& text);
// Saves a picture of `widget` as `path` (a PNG file), making its directory.
void SaveScreenshot(QWidget& widget, const QString& path);

}  // namespace kestrin::dir_testing

#endif  // KESTRIN_TESTS_UI_DIR_SUPPORT_H_
