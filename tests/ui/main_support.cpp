// Helpers for the main window's widget tests.
#include "tests/ui/main_support.h"

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/file_system.h"
#include "engine/path.h"
#include "report/report_lines.h"

namespace kestrin::main_testing {

void UseTestPlatform() {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty() || chosen == "offscreen") qputenv("QT_QPA_PLATFORM", kTestPlatform);
}

QString ScreenshotPath(const char* name) {
  const QString folder = QStringLiteral(KESTRIN_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  QString file = QString::fromLatin1(name);
  const QString suffix = qEnvironmentVariable("KESTRIN_SCREENSHOT_SUFFIX");
  if (!suffix.isEmpty()) file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
  return folder + QLatin1Char('/') + file;
}

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  UseTestPlatform();
  static int argc = 1;
  static char program_name[] = "kestrin-ui-test";
  static char* argv[] = {program_name, nullptr};
  // Lives as long as the test program; the static pointer keeps it reachable.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

MainScratch::MainScratch() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrin-main-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

MainScratch::~MainScratch() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string MainScratch::PathOf(const std::string& relative) const {
  return JoinPath(path_, relative);
}

std::string MainScratch::Write(const std::string& relative, std::string_view bytes) const {
  const std::string path = PathOf(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string MainScratch::MakeDirectory(const std::string& relative) const {
  const std::string path = PathOf(relative);
  std::filesystem::create_directories(path);
  return path;
}

std::string MainScratch::Read(const std::string& relative) const {
  std::ifstream file(PathOf(relative), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool ScriptedDialogs::AskYesNo(const std::string& question) {
  log.push_back("ask:" + question);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedDialogs::ShowMessage(const std::string& text) { log.push_back("message:" + text); }

void ScriptedDialogs::ShowLikeNameDialog(LikeNameDialog& /*dialog*/) {
  log.push_back("like-name-dialog");
}

void ScriptedDialogs::ShowTwoListDialog(TwoListDialog& /*dialog*/) {
  log.push_back("two-list-dialog");
}

void ScriptedDialogs::HidePairDialog() { log.push_back("hide-dialog"); }

void ScriptedDialogs::ShowDirectoryLookup(const std::string& new_directory,
                                          const std::string& old_directory) {
  log.push_back("lookup:" + new_directory + "|" + old_directory);
}

void ScriptedDialogs::ShowReportViewer(const ReportLines& report) {
  log.push_back("viewer:" + (report.Primary.empty() ? std::string() : report.Primary.front()));
}

std::vector<std::string> ScriptedDialogs::Only(std::string_view kind) const {
  std::vector<std::string> found;
  for (const std::string& entry : log) {
    if (entry.starts_with(kind)) found.push_back(entry.substr(kind.size()));
  }
  return found;
}

MainWindowFixture::MainWindowFixture() { EnsureApplication(); }

MainWindowFixture::~MainWindowFixture() = default;

TFrmMain& MainWindowFixture::Make(std::vector<std::string> arguments) {
  window_.reset();
  window_ = std::make_unique<TFrmMain>(
      MainWindowSetup{SettingsPlace{scratch.Path(), scratch.Path(), ""}, std::move(arguments),
                      DefaultFileSystem(), dialogs, help});
  QObject::connect(window_.get(), &TFrmMain::ProgramEnding, window_.get(),
                   [this] { ++program_endings; });
  window_->show();
  return *window_;
}

void TypeInto(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

void EraseByKeys(QLineEdit* edit) {
  edit->end(false);
  while (!edit->text().isEmpty()) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
  }
}

void DropFiles(QWidget& window, const std::vector<std::string>& paths, int y) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : paths) {
    urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
  data.setUrls(urls);
  const QPoint point(window.width() / 2, y);
  QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
}

void LeaveField(QWidget* widget) {
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &leave);
}

std::string NumberedLines(int count, int changed_every, std::string_view tag) {
  std::string text;
  for (int line = 1; line <= count; ++line) {
    text += "line " + std::to_string(line);
    if (line % changed_every == 0) text += " " + std::string(tag);
    text += "\n";
  }
  return text;
}

}  // namespace kestrin::main_testing
