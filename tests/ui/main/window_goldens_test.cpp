// Every window of the program as it first appears, walked control by control
// into tests/ui/golden/<window>.txt (KESTRIN_UPDATE_GOLDEN=1 rewrites them),
// and pictured under the build tree's screenshots/ folder for a person to
// look at. The walk writes one line per control, indented by its depth:
// "<class> <object name> "<caption>"", then "hint="..."" and its state
// (hidden, disabled, checked, read-only, the entries of a list or drop-down
// and which is current), so that a caption typo or a lost control fails
// without a test restating each caption.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <filesystem>
#include <set>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

std::string Quoted(QString text) {
  for (const auto& [from, to] :
       {std::pair{"\\", "\\\\"}, {"\n", "\\n"}, {"\r", "\\r"}, {"\"", "\\\""}}) {
    text.replace(QLatin1String(from), QLatin1String(to));
  }
  return "\"" + text.toStdString() + "\"";
}

// The property that holds the caption of each kind of control.
constexpr std::pair<const char*, const char*> kCaptionProperties[] = {
    {"QAbstractButton", "text"},    {"QLabel", "text"},           {"QLineEdit", "text"},
    {"QGroupBox", "title"},         {"QComboBox", "currentText"}, {"QTextEdit", "plainText"},
    {"QPlainTextEdit", "plainText"}};

std::string Caption(const QWidget& widget) {
  if (widget.isWindow()) return Quoted(widget.windowTitle());
  for (const auto& [type, property] : kCaptionProperties) {
    if (widget.inherits(type)) return Quoted(widget.property(property).toString());
  }
  return {};
}

// The entries a list, drop-down, tree header or notebook shows, joined by "|".
std::string Entries(const QWidget& widget) {
  QStringList entries;
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    for (int k = 0; k < combo->count(); ++k) entries << combo->itemText(k);
  } else if (auto* list = qobject_cast<const QListWidget*>(&widget)) {
    for (int k = 0; k < list->count(); ++k) entries << list->item(k)->text();
  } else if (auto* tree = qobject_cast<const QTreeWidget*>(&widget)) {
    const QTreeWidgetItem* header = tree->headerItem();
    for (int k = 0; k < header->columnCount(); ++k) entries << header->text(k);
  } else if (auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    for (int k = 0; k < tabs->count(); ++k) entries << tabs->tabText(k);
  } else {
    return {};
  }
  return " entries=" + Quoted(entries.join(QLatin1Char('|')));
}

std::string State(const QWidget& widget) {
  std::string state;
  if (widget.isHidden()) state += " hidden";
  if (!widget.isEnabled()) state += " disabled";
  const auto* button = qobject_cast<const QAbstractButton*>(&widget);
  if (button && button->isCheckable()) state += button->isChecked() ? " checked" : " unchecked";
  const auto* edit = qobject_cast<const QLineEdit*>(&widget);
  if (edit && edit->isReadOnly()) state += " read-only";
  if (edit && edit->maxLength() != 32767) state += " max=" + std::to_string(edit->maxLength());
  const auto* combo = qobject_cast<const QComboBox*>(&widget);
  if (combo && combo->isEditable()) state += " editable";
  const auto* tabs = qobject_cast<const QTabWidget*>(&widget);
  if (tabs) state += " current=" + std::to_string(tabs->currentIndex());
  return state;
}

// Controls whose insides are Qt's own, not the window's.
bool IsLeaf(const QWidget& widget) {
  for (const char* type : {"QComboBox", "QAbstractSpinBox", "QAbstractItemView", "QTabBar",
                           "QTextEdit", "QPlainTextEdit"}) {
    if (widget.inherits(type)) return true;
  }
  return false;
}

void Walk(const QWidget& widget, int depth, std::string& out) {
  const QString name = widget.objectName();
  const std::string caption = Caption(widget);
  const bool shown = name.isEmpty() ? !caption.empty() && caption != "\"\""
                                    : !name.startsWith(QLatin1String("qt_"));
  if (shown) {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + widget.metaObject()->className();
    if (!name.isEmpty()) out += " " + name.toStdString();
    if (!caption.empty()) out += " " + caption;
    if (!widget.toolTip().isEmpty()) out += " hint=" + Quoted(widget.toolTip());
    out += Entries(widget) + State(widget) + "\n";
  }
  if (IsLeaf(widget)) return;
  for (const QObject* child : widget.children()) {
    const auto* child_widget = qobject_cast<const QWidget*>(child);
    if (child_widget == nullptr || child_widget->isWindow()) continue;
    Walk(*child_widget, shown ? depth + 1 : depth, out);
  }
}

// The name of `window`'s golden file: its object name, else its class name.
std::string WindowName(const QWidget& window) {
  if (!window.objectName().isEmpty()) return window.objectName().toStdString();
  const std::string type = window.metaObject()->className();
  return type.substr(type.rfind(':') + 1);
}

TEST(WindowGoldensTest, EveryWindowMatchesItsGoldenAndNoneIsLost) {
  // The directory browsers open on the current directory.
  const std::filesystem::path started_in = std::filesystem::current_path();
  std::filesystem::current_path("/");
  MainWindowFixture fixture;
  TFrmMain& main_window = fixture.Make();
  std::vector<QWidget*> windows = {&main_window, &main_window.Viewers().Legend()};
  for (QWidget* window : main_window.findChildren<QWidget*>()) {
    // Qt's own popups (a drop-down's list) are no window of the program.
    const bool own = !QString::fromLatin1(window->metaObject()->className()).startsWith('Q');
    if (window->isWindow() && own && window != windows[1]) windows.push_back(window);
  }
  std::set<std::string> walked;
  for (QWidget* window : windows) {
    window->ensurePolished();
    std::string controls;
    Walk(*window, 0, controls);
    testkit::ExpectGoldenText("tests/ui/golden/" + WindowName(*window) + ".txt", controls);
    SaveScreenshot(*window, WindowName(*window) + ".png");
    walked.insert(WindowName(*window));  // each viewer has its own FindDialog
  }

  std::set<std::string> goldens;
  for (const auto& file :
       std::filesystem::directory_iterator(KESTRIN_SOURCE_DIR "/tests/ui/golden")) {
    goldens.insert(file.path().stem().string());
  }
  EXPECT_EQ(walked, goldens) << "a window without its golden, or a golden without its window";
  std::filesystem::current_path(started_in);
}

}  // namespace
}  // namespace kestrin::ui_testing
