// Start-up of the windows.
#include "ui/main/program_windows.h"

#include <QCoreApplication>

#include "views/main_texts.h"

namespace kestrin {

ProgramWindows::ProgramWindows(const SettingsPlace& settings_place,
                               std::vector<std::string> arguments, FileSystem& fs,
                               HelpViewer& help) {
  QCoreApplication::setApplicationName(kApplicationTitle);
  main_window_ = std::make_unique<TFrmMain>(
      MainWindowSetup{settings_place, std::move(arguments), fs, dialogs_, help});
  dialogs_.SetOwner(main_window_.get());
  dialogs_.SetBrowserWindows(&main_window_->BrowserWindows());
  dialogs_.SetReportViewers(&main_window_->Viewers());
  // Queued, so that the main window has finished closing when the loop ends.
  QObject::connect(main_window_.get(), &TFrmMain::ProgramEnding, QCoreApplication::instance(),
                   &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace kestrin
