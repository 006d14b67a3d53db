// Helpers for the widget tests of the directory browsing windows.
#include "tests/ui/dir_support.h"

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
  log.push_back("window:" + window.objectName().toStdString());
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
  log.push_back("hide-dialog");
  windows_->HidePairDialog();
}

void WindowScriptDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                              const std::string& old_directory) {
  windows_->ShowDirectoryLookup(new_directory, old_directory);
}

void WindowScriptDialogs::ShowReportViewer(const ReportLines& shown) {
  main_testing::ScriptedDialogs::ShowReportViewer(shown);
  report = shown.Primary;
}

DirWindowFixture::DirWindowFixture() { main_testing::EnsureApplication(); }

DirWindowFixture::~DirWindowFixture() = default;

TFrmMain& DirWindowFixture::Make() {
  window_.reset();
  window_ = std::make_unique<TFrmMain>(MainWindowSetup{
      SettingsPlace{scratch.Path(), scratch.Path(), ""}, {}, DefaultFileSystem(), dialogs, help});
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

void Choose(QListWidget* list, const std::string& text) {
  const QList<QListWidgetItem*> found =
      list->findItems(QString::fromStdString(text), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << "no single row " << text;
  list->setCurrentItem(found.front());
}

void Enter(QComboBox* field, const std::string& text) {
  field->setEditText(QString::fromStdString(text));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field->lineEdit(), &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(field->lineEdit(), &release);
}

std::string Entries(const QTreeWidget* list) {
  std::string text;
  for (QTreeWidgetItemIterator item(const_cast<QTreeWidget*>(list)); *item != nullptr; ++item) {
    text += (*item)->text(0).toStdString() + "\n";
  }
  return text;
}

namespace {

QTreeWidgetItem* FindEntry(QTreeWidget* list, const std::string& text) {
  const QList<QTreeWidgetItem*> found =
      list->findItems(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchRecursive);
  if (found.size() != 1) ADD_FAILURE() << "no single entry " << text;
  return found.size() == 1 ? found.front() : nullptr;
}

// Sends one mouse event of the left button at `point` of the list's viewport.
void SendMouse(QTreeWidget* list, QEvent::Type type, QPoint point) {
  QWidget* viewport = list->viewport();
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, point, viewport->mapToGlobal(point), Qt::LeftButton, held,
                    Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

// The point a user clicks on an entry: inside its text, near the left.
QPoint PointOf(QTreeWidget* list, QTreeWidgetItem* item) {
  list->scrollToItem(item);
  const QRect rect = list->visualItemRect(item);
  return QPoint(rect.left() + std::min(20, rect.width() / 2), rect.center().y());
}

}  // namespace

void ClickEntry(QTreeWidget* list, const std::string& text) {
  QTreeWidgetItem* item = FindEntry(list, text);
  if (item == nullptr) return;
  const QPoint point = PointOf(list, item);
  SendMouse(list, QEvent::MouseButtonPress, point);
  SendMouse(list, QEvent::MouseButtonRelease, point);
}

void DoubleClickEntry(QTreeWidget* list, const std::string& text) {
  QTreeWidgetItem* item = FindEntry(list, text);
  if (item == nullptr) return;
  const QPoint point = PointOf(list, item);
  SendMouse(list, QEvent::MouseButtonPress, point);
  SendMouse(list, QEvent::MouseButtonRelease, point);
  SendMouse(list, QEvent::MouseButtonDblClick, point);
  SendMouse(list, QEvent::MouseButtonRelease, point);
}

void SaveScreenshot(QWidget& widget, const QString& path) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath())) << path.toStdString();
  const QPixmap picture = widget.grab();
  EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

}  // namespace kestrin::dir_testing
