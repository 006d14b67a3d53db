// The main window: its notebook, the rules of its pages, dropped files and
// closing.
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/settings_file.h"
#include "settings/settings_texts.h"
#include "ui/browse/dir_browser_windows.h"
#include "ui/common/qt_strings.h"
#include "ui/common/screen_fit.h"
#include "ui/main/dir_select_page.h"
#include "ui/main/main_window_help.h"
#include "ui/main/main_window_hints.h"
#include "ui/main/main_window_name_combo.h"
#include "views/dropped_files_model.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {
// The window's designed size: large enough for the Preferences page's
// longest description beside its note.
constexpr int kWindowWidth = 860;
constexpr int kWindowHeight = 580;
}  // namespace

TFrmMain::TFrmMain(const MainWindowSetup& setup)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      fs_(setup.fs),
      dialogs_(setup.dialogs),
      help_(setup.help),
      program_directory_(setup.settings_place.executable_directory),
      settings_path_(SettingsFilePath(setup.settings_place)) {
  setObjectName("TFrmMain");
  setWindowTitle(kMainWindowTitle);
  setAcceptDrops(true);
  hints_ = new HintSwitch(this);
  BuildNotebook();
  setFixedSize(kWindowWidth, kWindowHeight);

  // Start-up: version, compare type 1, the settings, the Main Panel with its
  // hints, the run's lists and the waiting status, then the arguments.
  main_.version->setText(kVersionLabel);
  SetCompareTypeIndex(0);
  controller_ = std::make_unique<RunController>(*this, dialogs_, fs_);
  std::vector<RejectedValue> rejected;
  settings_ = LoadSettings(settings_path_, fs_, &rejected);
  ApplySettings();
  for (const RejectedValue& value : rejected) {
    dialogs_.ShowMessage(RejectedValueText(settings_path_, value.key, value.value, value.reason));
  }
  notebook_->setCurrentIndex(static_cast<int>(MainPage::kMainPanel));
  hints_->SetHintsShown(!main_.hints_off->isChecked());
  SetStatus(kWaitingStatus);
  TakeArguments(setup.arguments);

  ConnectMainPanel();
  ConnectOptionPages();
  browser_windows_ = std::make_unique<DirBrowserWindows>(this, *dir_select_, dialogs_, fs_);
  MakeReportWindows();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitToScreen();
}

void TFrmMain::FitToScreen() {
  const QRect available = AvailableArea(*this);
  if (available.isEmpty()) return;
  const QMargins margins = layout()->contentsMargins();
  const QSize pages = notebook_->minimumSizeHint() + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
  const QSize decoration = frameGeometry().size() - size();
  setFixedSize(QSize(kWindowWidth, kWindowHeight)
                   .expandedTo(pages)
                   .boundedTo(available.size() - decoration));
  KeepOnScreen(*this);
}

void TFrmMain::BuildNotebook() {
  notebook_ = new QTabWidget(this);
  notebook_->setObjectName("TabNotebook");
  dir_select_ = new DirSelectPage(*this, fs_, dialogs_);
  const std::array<QWidget*, kMainPageCount> pages = {
      BuildMainPanelPage(main_), dir_select_,           BuildPreferencesPage(preferences_),
      BuildDpOptionsPage(dp_),   BuildAboutPage(info_), BuildOverviewPage(info_)};
  for (int index = 0; index < kMainPageCount; ++index) {
    notebook_->addTab(pages[index], kPageCaptions[index]);
  }
  // On a screen too small for the pages they scroll inside the window.
  scroller_ = new QScrollArea(this);
  scroller_->setObjectName("MnScroller");
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setWidgetResizable(true);
  scroller_->setWidget(notebook_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(scroller_);
  // Files dropped anywhere follow the window's drop rule.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->setAcceptDrops(false);
}

void TFrmMain::ConnectMainPanel() {
  connect(main_.start, &QPushButton::clicked, this, [this] { controller_->StartClicked(); });
  connect(main_.halt, &QPushButton::clicked, this, [this] { controller_->HaltClicked(); });
  connect(main_.re_show, &QPushButton::clicked, this, [this] { controller_->ReShowClicked(); });
  connect(main_.exit, &QPushButton::clicked, this, &QWidget::close);
  connect(main_.dir_lookup, &QPushButton::clicked, this,
          [this] { GoToPage(MainPage::kDirFileSelect); });
  connect(main_.hints_off, &QCheckBox::toggled, this,
          [this](bool off) { hints_->SetHintsShown(!off); });
  ConnectNameField(main_.new_name);
  ConnectNameField(main_.old_name);
  connect(notebook_, &QTabWidget::currentChanged, this, &TFrmMain::PageShown);
}

void TFrmMain::ConnectNameField(NameComboBox* field) {
  connect(field, &NameComboBox::PopupOpening, this, [field] {
    field->ChangeHistory(
        [&](NameHistoryModel& history) { return history.AddIfMissing(field->Text()); });
  });
  connect(field, &NameComboBox::Left, this, [this, field] {
    const std::string text = field->Text();
    const bool promoted = field->ChangeHistory(
        [&](NameHistoryModel& history) { return history.PromoteFile(text, fs_.IsFile(text)); });
    if (promoted) field->SelectTop();
  });
}

void TFrmMain::ConnectOptionPages() {
  const auto to_main_panel = [this] { GoToPage(MainPage::kMainPanel); };
  const auto return_with_options = [this] {
    GoToPage(MainPage::kMainPanel);
    ShowOptionsText(Controls());
  };
  connect(preferences_.return_button, &QPushButton::clicked, this, return_with_options);
  connect(preferences_.cancel_button, &QPushButton::clicked, this, &TFrmMain::PreferencesCancelled);
  connect(preferences_.reset_button, &QPushButton::clicked, this, [this] {
    ControlValues controls = Controls();
    MainPagesModel::ResetPreferences(controls);
    WriteControls(controls);
  });
  connect(preferences_.subc, &QLineEdit::editingFinished, this, [this] {
    preferences_.subc->setText(ToQt(NormalisedSubc(FromQt(preferences_.subc->text()))));
  });
  connect(dp_.return_button, &QPushButton::clicked, this, return_with_options);
  connect(dp_.cancel_button, &QPushButton::clicked, this, &TFrmMain::DpOptionsCancelled);
  connect(info_.about_return, &QPushButton::clicked, this, to_main_panel);
  connect(info_.overview_return, &QPushButton::clicked, this, to_main_panel);
  connect(info_.help, &QPushButton::clicked, this,
          [this] { OpenHelp(program_directory_, fs_, help_, dialogs_); });
}

void TFrmMain::TakeArguments(const std::vector<std::string>& arguments) {
  const NameField fields[] = {NameField::kNew, NameField::kOld};
  for (size_t i = 0; i < arguments.size() && i < std::size(fields); ++i) {
    NameComboBox* field = Field(fields[i]);
    field->ChangeHistory(
        [&](NameHistoryModel& history) { return history.AddCurrentIfMissing(field->Text()); });
    SetNameText(fields[i], arguments[i]);
  }
}

void TFrmMain::GoToPage(MainPage page) { notebook_->setCurrentIndex(static_cast<int>(page)); }

void TFrmMain::PageShown(int index) {
  ControlValues controls = Controls();
  const NameTexts names{NameText(NameField::kNew), NameText(NameField::kOld)};
  const bool rebuild = pages_.ChangePage(static_cast<MainPage>(index), controls, names);
  preferences_.subc->setText(ToQt(controls.subc_text));
  if (rebuild) ShowOptionsText(controls);
  if (static_cast<MainPage>(index) == MainPage::kDirFileSelect) dir_select_->Enter();
}

void TFrmMain::ShowOptionsText(const ControlValues& controls) {
  main_.options->setText(ToQt(OptionsText(controls.dp_choice, controls.preferences)));
}

void TFrmMain::PreferencesCancelled() {
  ControlValues controls = Controls();
  pages_.RestorePreferences(controls);
  WriteControls(controls);
  GoToPage(MainPage::kMainPanel);
  ShowOptionsText(controls);
}

void TFrmMain::DpOptionsCancelled() {
  ControlValues controls = Controls();
  pages_.RestoreDpOptions(controls);
  WriteControls(controls);
  GoToPage(MainPage::kMainPanel);
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  switch (pages_.RequestClose(controller_->RunInProgress())) {
    case CloseOutcome::kRefusedDuringRun:
      event->ignore();
      SetStatus(kCloseRefusedStatus);
      break;
    case CloseOutcome::kReturnToMainPanel:
      event->ignore();
      GoToPage(MainPage::kMainPanel);
      break;
    case CloseOutcome::kSaveAndEnd:
      SaveAllSettings();
      event->accept();
      Q_EMIT ProgramEnding();
      break;
  }
}

void TFrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFrmMain::dropEvent(QDropEvent* event) {
  std::vector<std::string> names;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) names.push_back(FromQt(url.toLocalFile()));
  }
  const int old_field_top = main_.old_name->mapTo(this, QPoint(0, 0)).y();
  const DroppedFilePlacement placement =
      PlaceDroppedFiles(names, static_cast<int>(event->position().y()), old_field_top);
  if (placement.new_name) SetNameText(NameField::kNew, *placement.new_name);
  if (placement.old_name) SetNameText(NameField::kOld, *placement.old_name);
  event->acceptProposedAction();
}

NameComboBox* TFrmMain::Field(NameField field) const {
  return field == NameField::kNew ? main_.new_name : main_.old_name;
}

}  // namespace kestrin
