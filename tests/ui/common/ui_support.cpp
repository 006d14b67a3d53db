// Helpers for the widget tests.
#include "tests/ui/common/ui_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTreeWidget>

#include "run/headless_run.h"
#include "ui/print_save/print_save_wiring.h"

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

}  // namespace

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty() || chosen == "offscreen") {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" KESTRIN_SOURCE_DIR "/tests/ui/offscreen_screen.json");
  }
  static int argc = 1;
  static char program_name[] = "kestrin-ui-test";
  static char* argv[] = {program_name, nullptr};
  // Lives as long as the test program; the static pointer keeps it reachable.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

std::string WalkControls(const QWidget& widget, int depth) {
  std::string out;
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
  if (IsLeaf(widget)) return out;
  for (const QObject* child : widget.children()) {
    const auto* child_widget = qobject_cast<const QWidget*>(child);
    if (child_widget == nullptr || child_widget->isWindow()) continue;
    out += WalkControls(*child_widget, shown ? depth + 1 : depth);
  }
  return out;
}

void SettleWindows() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

void SaveScreenshot(QWidget& window, const std::string& name) {
  const QString folder = QStringLiteral(KESTRIN_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  QString file = QString::fromStdString(name);
  const QString suffix = qEnvironmentVariable("KESTRIN_SCREENSHOT_SUFFIX");
  if (!suffix.isEmpty()) file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
  SettleWindows();
  const QPixmap picture = window.grab();
  EXPECT_EQ(picture.deviceIndependentSize().toSize(), window.size()) << name;
  EXPECT_TRUE(picture.save(folder + QLatin1Char('/') + file)) << name;
}

void PressKey(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void TypeInto(QWidget* widget, const QString& text) {
  for (const QChar character : text) PressKey(widget, 0, QString(character));
}

TFrmMain& MainWindowFixture::Make(std::vector<std::string> arguments) {
  window_.reset();
  window_ = std::make_unique<TFrmMain>(
      MainWindowSetup{SettingsPlace{scratch.path(), scratch.path(), ""}, std::move(arguments),
                      DefaultFileSystem(), dialogs, help});
  QObject::connect(window_.get(), &TFrmMain::ProgramEnding, window_.get(),
                   [this] { ++program_endings; });
  window_->show();
  return *window_;
}

BoxCloser::BoxCloser(QMessageBox::StandardButton answer) {
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    owners.push_back(box->parentWidget());
    const bool yes_no = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
    shown.push_back(box->windowTitle().toStdString() + "|" + box->text().toStdString() +
                    (yes_no ? "|yes/no" : "|other"));
    box->done(answer);
  });
  timer_.start(10);
}

ReportLines RealReport(bool side_by_side) {
  HeadlessRequest request;
  request.new_name = KESTRIN_SOURCE_DIR "/tests/ui/common/data/new.c";
  request.old_name = KESTRIN_SOURCE_DIR "/tests/ui/common/data/old.c";
  request.controls.listing_type_text = "Long";
  request.controls.SetChecked(Preference::kFmvl, true);
  request.controls.SetChecked(Preference::kLorl, true);
  request.controls.SetChecked(Preference::kSbsl, side_by_side);
  return RunHeadless(request, DefaultFileSystem()).report;
}

ViewerRig::ViewerRig(const ViewerLayout& stored) : layout(stored) {
  EnsureApplication();
  viewers_ = std::make_unique<ReportViewers>(layout, main_window, messages);
  ConnectPrintAndSave(viewers_->SingleViewer(), sbs, {out_fn, sbs_rp});
  ConnectPrintAndSave(viewers_->DualViewer(), sbs, {out_fn, sbs_rp});
}

void ViewerRig::Show(const ReportLines& report,
                     const std::function<void(ViewerWindow&)>& while_open) {
  bool shown = false;
  viewers_->SetModalShow([&](QDialog& dialog) {
    shown = true;
    dialog.show();
    SettleWindows();
    while_open(dynamic_cast<ViewerWindow&>(dialog));
    dialog.close();
    SettleWindows();
  });
  viewers_->ShowReportViewer(report);
  EXPECT_TRUE(shown) << "no viewer showed the report";
}

}  // namespace kestrin::ui_testing
