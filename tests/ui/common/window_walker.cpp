// The window walker of the widget tests.
#include "tests/ui/common/window_walker.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include "tests/common/scratch_directory.h"

namespace kestrin::ui_testing {
namespace {

std::string Quoted(const QString& text) {
  QString escaped = text;
  escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
  escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
  return "\"" + escaped.toStdString() + "\"";
}

std::string Caption(const QWidget& widget) {
  if (widget.isWindow()) return Quoted(widget.windowTitle());
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return Quoted(button->text());
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return Quoted(label->text());
  if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) return Quoted(edit->text());
  if (auto* group = qobject_cast<const QGroupBox*>(&widget)) return Quoted(group->title());
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return Quoted(combo->currentText());
  if (auto* text = qobject_cast<const QTextEdit*>(&widget)) return Quoted(text->toPlainText());
  if (auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) {
    return Quoted(plain->toPlainText());
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
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (button->isCheckable()) state += button->isChecked() ? " checked" : " unchecked";
  }
  if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
    if (edit->isReadOnly()) state += " read-only";
    if (edit->maxLength() != 32767) state += " max=" + std::to_string(edit->maxLength());
  }
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    if (combo->isEditable()) state += " editable";
  }
  if (auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    state += " current=" + std::to_string(tabs->currentIndex());
  }
  return state;
}

// Controls whose insides are Qt's own, not the window's.
bool IsLeaf(const QWidget& widget) {
  return qobject_cast<const QComboBox*>(&widget) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
         qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
         qobject_cast<const QTabBar*>(&widget) != nullptr ||
         qobject_cast<const QTextEdit*>(&widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(&widget) != nullptr;
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

}  // namespace

std::string DescribeControls(const QWidget& window) {
  std::string out;
  Walk(window, 0, out);
  return out;
}

std::string WindowName(const QWidget& window) {
  if (!window.objectName().isEmpty()) return window.objectName().toStdString();
  const std::string type = window.metaObject()->className();
  return type.substr(type.rfind(':') + 1);
}

void ExpectWindowGolden(const QWidget& window) {
  testkit::ExpectGoldenText("tests/ui/golden/" + WindowName(window) + ".txt",
                            DescribeControls(window));
}

}  // namespace kestrin::ui_testing
