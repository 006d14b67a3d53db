// Modal message boxes and the windows a run opens.
#include "ui/main/main_window_dialogs.h"

#include <QMessageBox>

#include "ui/browse/dir_browser_windows.h"
#include "ui/common/qt_strings.h"
#include "ui/viewer/report_viewer.h"
#include "views/main_texts.h"

namespace kestrin {

bool MainWindowDialogs::AskYesNo(const std::string& question) {
  QMessageBox box(QMessageBox::Question, kApplicationTitle, ToQt(question),
                  QMessageBox::Yes | QMessageBox::No, owner_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void MainWindowDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, kApplicationTitle, ToQt(text), QMessageBox::Ok, owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void MainWindowDialogs::ShowLikeNameDialog(LikeNameDialog& dialog) {
  if (windows_ == nullptr) return ShowMessage(kPairWindowMissingMessage);
  windows_->ShowLikeNameDialog(dialog);
}

void MainWindowDialogs::ShowTwoListDialog(TwoListDialog& dialog) {
  if (windows_ == nullptr) return ShowMessage(kPairWindowMissingMessage);
  windows_->ShowTwoListDialog(dialog);
}

void MainWindowDialogs::HidePairDialog() {
  if (windows_ != nullptr) windows_->HidePairDialog();
}

void MainWindowDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                            const std::string& old_directory) {
  if (windows_ == nullptr) return ShowMessage(kPairWindowMissingMessage);
  windows_->ShowDirectoryLookup(new_directory, old_directory);
}

void MainWindowDialogs::ShowReportViewer(const ReportLines& report) {
  if (viewers_ != nullptr) viewers_->ShowReportViewer(report);
}

}  // namespace kestrin
