// Helpers for the main window's widget tests: the one QApplication of a test
// program on the offscreen platform, a scratch program directory, dialogs
// that answer from a script and record what they were asked, a help viewer
// that records what it opened, and a fixture that builds the real window.
#ifndef KESTRIN_TESTS_UI_MAIN_SUPPORT_H_
#define KESTRIN_TESTS_UI_MAIN_SUPPORT_H_

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_dialogs.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_help.h"

namespace kestrin::main_testing {

// The platform the widget tests run on when the environment names none or
// the plain offscreen platform: offscreen with one 1600 x 1000 screen.
inline constexpr char kTestPlatform[] =
    "offscreen:configfile=" KESTRIN_SOURCE_DIR "/tests/ui/offscreen_screen.json";
// Chooses kTestPlatform for the QApplication about to be made.
void UseTestPlatform();

// Where screenshot `name` ("main_panel.png") is saved: under the build
// tree's screenshots folder (made if needed), the name taking the suffix
// KESTRIN_SCREENSHOT_SUFFIX names ("main_panel_x1.5.png"), so that runs at
// another scale keep their own pictures.
QString ScreenshotPath(const char* name);

// Makes the test program's QApplication on first use (offscreen unless the
// environment chose a platform).
void EnsureApplication();

// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes.
class MainScratch {
 public:
  MainScratch();
  ~MainScratch();
  MainScratch(const MainScratch&) = delete;
  MainScratch& operator=(const MainScratch&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& relative) const;
  // Writes file `relative` with `bytes`; returns its full path.
  std::string Write(const std::string& relative, std::string_view bytes) const;
  std::string MakeDirectory(const std::string& relative) const;
  // The whole content of file `relative`; empty when it cannot be read.
  std::string Read(const std::string& relative) const;

 private:
  std::string path_;
};

// Answers questions from `answers` (No when empty) and records every
// question, message and window as "ask:<text>", "message:<text>",
// "viewer:<first report line>" and the like in `log`.
class ScriptedDialogs : public RunDialogs {
 public:
  bool AskYesNo(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  void ShowLikeNameDialog(LikeNameDialog& dialog) override;
  void ShowTwoListDialog(TwoListDialog& dialog) override;
  void HidePairDialog() override;
  void ShowDirectoryLookup(const std::string& new_directory,
                           const std::string& old_directory) override;
  void ShowReportViewer(const ReportLines& report) override;

  // The entries of `log` that begin with `kind` ("message:"), without it.
  std::vector<std::string> Only(std::string_view kind) const;

  std::deque<bool> answers;
  std::vector<std::string> log;
};

class RecordingHelpViewer : public HelpViewer {
 public:
  bool Open(const std::string& path) override {
    opened.push_back(path);
    return opens;
  }
  std::vector<std::string> opened;
  bool opens = true;
};

// The real main window made in a scratch program directory, on the real file
// system.
class MainWindowFixture {
 public:
  MainWindowFixture();
  ~MainWindowFixture();

  // Makes the window (again), as the program does at start with `arguments`.
  TFrmMain& Make(std::vector<std::string> arguments = {});
  TFrmMain& Window() { return *window_; }
  // The settings file: the scratch directory is both the program's
  // directory and the user's configuration directory.
  std::string SettingsPath() const { return scratch.PathOf(kSettingsRelative); }
  static constexpr char kSettingsRelative[] = "kestrin/Kestrin.ini";

  MainScratch scratch;
  ScriptedDialogs dialogs;
  RecordingHelpViewer help;
  int program_endings = 0;

 private:
  std::unique_ptr<TFrmMain> window_;
};

// The child of `window` named `name`; fails the test when there is none.
template <typename Widget>
Widget* Child(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) ADD_FAILURE() << "no control " << name;
  return widget;
}

// Drops files named `paths` onto `window` at height `y` of the window, after
// dragging them there.
void DropFiles(QWidget& window, const std::vector<std::string>& paths, int y);
// Types `text` into `widget` key by key, as the user does.
void TypeInto(QWidget* widget, const QString& text);
// Erases the text of `edit` with Backspace keys, as the user does.
void EraseByKeys(QLineEdit* edit);
// Moves the keyboard focus away from `widget` as a Tab key does.
void LeaveField(QWidget* widget);
// `count` lines "line <n>", each ended by LF; every line whose number is a
// multiple of `changed_every` ends in " <tag>".
std::string NumberedLines(int count, int changed_every, std::string_view tag);

}  // namespace kestrin::main_testing

#endif  // KESTRIN_TESTS_UI_MAIN_SUPPORT_H_
