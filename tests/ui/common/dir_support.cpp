// Helpers for the widget tests of the directory browsing windows.
#include "tests/ui/common/dir_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include "engine/file_system.h"
#include "report/report_lines.h"
#include "run/run_controller.h"

namespace kestrin::dir_testing {

using main_testing::Child;

void WindowScriptDialogs::Attach(DirBrowserWindows& windows) {
  windows_ = &windows;
  windows.SetModalLoop([this](QDialog& window) { RunNextScript(window); });
}

void WindowScriptDialogs::RunNextScript(QDialog& window) {
  log.Add("window:" + window.objectName().toStdString());
  window.show();
  if (scripts.empty()) {
    ADD_FAILURE() << "no script for " << window.objectName().toStdString();
  } else {
    const WindowScript script = std::move(scripts.front());
    scripts.pop_front();
    script(window);
  }
  if (window.isVisible()) {
    ADD_FAILURE() << window.objectName().toStdString() << " is still open after its script";
    window.reject();
  }
}

void WindowScriptDialogs::ShowLikeNameDialog(LikeNameDialog& dialog) {
  windows_->ShowLikeNameDialog(dialog);
}

void WindowScriptDialogs::ShowTwoListDialog(TwoListDialog& dialog) {
  windows_->ShowTwoListDialog(dialog);
}

void WindowScriptDialogs::HidePairDialog() {
  log.Add("hide-dialog");
  windows_->HidePairDialog();
}

void WindowScriptDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                              const std::string& old_directory) {
  windows_->ShowDirectoryLookup(new_directory, old_directory);
}

DirWindowFixture::DirWindowFixture() { main_testing::EnsureApplication(); }

DirWindowFixture::~DirWindowFixture() = default;

TFrmMain& DirWindowFixture::Make() {
  window_.reset();
  window_ = std::make_unique<TFrmMain>(MainWindowSetup{
      SettingsPlace{scratch.path(), scratch.path(), ""}, {}, DefaultFileSystem(), dialogs, help});
  dialogs.Attach(window_->BrowserWindows());
  window_->show();
  return *window_;
}

void DirWindowFixture::Names(const std::string& new_name, const std::string& old_name,
                             int compare_type) {
  window_->SetNameText(NameField::kNew, new_name);
  window_->SetNameText(NameField::kOld, old_name);
  window_->SetCompareTypeIndex(compare_type);
}

void DirWindowFixture::Start() { Click(*window_, "MnBtnStart"); }

void Click(QWidget& window, const char* name) {
  if (auto* button = Child<QPushButton>(window, name)) button->click();
}

std::vector<std::string> Rows(const QListWidget* list) {
  std::vector<std::string> rows;
  for (int row = 0; row < list->count(); ++row)
    rows.push_back(list->item(row)->text().toStdString());
  return rows;
}

void Highlight(QListWidget* list, const std::vector<std::string>& texts) {
  list->clearSelection();
  for (const std::string& text : texts) {
    const QList<QListWidgetItem*> found =
        list->findItems(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << "no single row " << text;
    found.front()->setSelected(true);
  }
}

}  // namespace kestrin::dir_testing
