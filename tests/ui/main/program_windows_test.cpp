// Start-up: every window a run opens is tied to the main window, and the
// main window's end ends the program's event loop.
#include "ui/main/program_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "tests/ui/common/ui_support.h"
#include "ui/browse/dir_browser_windows.h"
#include "ui/browse/dir_lookup_dialog.h"
#include "ui/viewer/report_viewer.h"
#include "views/main_texts.h"

namespace kestrin::ui_testing {
namespace {

TEST(ProgramWindowsTest, EveryWindowIsWiredToTheMainWindow) {
  EnsureApplication();
  testkit::ScratchDirectory scratch;
  QuietHelpViewer help;
  ProgramWindows windows(SettingsPlace{scratch.path(), scratch.path(), ""},
                         {KESTRIN_SOURCE_DIR "/tests/ui/common/data/new.c",
                          KESTRIN_SOURCE_DIR "/tests/ui/common/data/old.c"},
                         DefaultFileSystem(), help);
  TFrmMain& main_window = windows.MainWindow();
  EXPECT_EQ(QCoreApplication::applicationName().toStdString(), kApplicationTitle);

  std::vector<QDialog*> shown;
  const auto record = [&shown](QDialog& window) { shown.push_back(&window); };
  main_window.Viewers().SetModalShow(record);
  main_window.BrowserWindows().SetModalLoop(record);
  BoxCloser closer;

  windows.Dialogs().ShowMessage("over the main window");
  EXPECT_EQ(closer.owners, std::vector<QWidget*>{&main_window});

  // A run of the two named files ends in the report viewer; the lookup is a
  // window of the directory browser. Unwired, each would be a message box.
  main_window.Controller().StartClicked();
  windows.Dialogs().ShowDirectoryLookup(scratch.path(), scratch.path());
  EXPECT_EQ(shown, (std::vector<QDialog*>{&main_window.Viewers().SingleViewer(),
                                          &main_window.BrowserWindows().LookupWindow()}));
  EXPECT_EQ(closer.owners.size(), 1u);

  QObject guard;
  QTimer::singleShot(0, &guard, [&main_window] { Q_EMIT main_window.ProgramEnding(); });
  QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0) << "the program's end did not quit the event loop";
}

}  // namespace
}  // namespace kestrin::ui_testing
