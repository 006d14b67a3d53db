// Helpers for the widget tests.
#include "tests/ui/common/ui_support.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>

#include "run/headless_run.h"
#include "ui/print_save/print_save_wiring.h"

namespace kestrin::ui_testing {

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
