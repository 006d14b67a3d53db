// TFrmMain: the program's main window, a fixed-size notebook of six pages
// (Main Panel, Dir/File Select, Preferences, Dp Options, About, OverView).
// It holds the user's inputs, loads the settings at creation and saves them
// at close, and hands Start, Halt and Re-Show to the run controller, which
// sees it through MainView.
#ifndef KESTRIN_UI_MAIN_MAIN_WINDOW_H_
#define KESTRIN_UI_MAIN_MAIN_WINDOW_H_

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "run/main_view.h"
#include "run/run_controller.h"
#include "run/run_dialogs.h"
#include "settings/kestrin_settings.h"
#include "settings/settings_location.h"
#include "ui/main/main_dp_options_page.h"
#include "ui/main/main_info_pages.h"
#include "ui/main/main_panel_page.h"
#include "ui/main/main_preferences_page.h"
#include "ui/viewer/report_viewer.h"
#include "ui/viewer/viewer_messages.h"
#include "views/main_pages_model.h"

class QScrollArea;
class QTabWidget;

namespace kestrin {

class DirBrowserWindows;
class DirSelectPage;
class HelpViewer;
class HintSwitch;
class NameComboBox;
class TFrmSbS;

// What the main window is made with. Everything referred to must outlive
// the window.
struct MainWindowSetup {
  SettingsPlace settings_place;        // decides where Kestrin.ini is; names the program directory
  std::vector<std::string> arguments;  // the command-line arguments after the program's name
  FileSystem& fs;
  RunDialogs& dialogs;
  HelpViewer& help;
};

class TFrmMain : public QWidget, public MainView, public ViewerMainWindow {
  Q_OBJECT

 public:
  // Builds every page, loads the settings, shows the Main Panel with its
  // waiting status and takes the first two arguments as the new and old
  // names.
  explicit TFrmMain(const MainWindowSetup& setup);
  ~TFrmMain() override;

  // MainView.
  std::string NameText(NameField field) const override;
  std::vector<std::string> NameHistory(NameField field) const override;
  void InsertNameHistoryTop(NameField field, const std::string& text) override;
  void RememberNameTexts() override;
  std::string CompareTypeText() const override;
  void SetCompareTypeIndex(int index) override;
  bool BypassChecked() const override;
  bool SubdirectoriesIncluded() const override;
  ControlValues Controls() const override;
  void SetDpChoice(int dp_choice) override;
  void SetEnabled(MainControl control, bool enabled) override;
  void SetStatus(const std::string& text) override;
  void SetFocus(MainFocus target) override;
  void ToggleBusyImages() override;
  void ShowFirstBusyImage() override;
  void HideBusyImages() override;
  void ShowRunProgress(const RunProgress& progress) override;
  void ProcessEvents() override;

  // ViewerMainWindow.
  std::string NewDirectoryText() const override;
  std::string OldDirectoryText() const override;
  bool SbslChecked() const override;
  void FocusExitButton() override;

  // Sets a name field's text; its history stays as it is.
  void SetNameText(NameField field, const std::string& text);

  MainPage CurrentPage() const { return pages_.Current(); }
  // Shows `page`, running the page-change rules.
  void GoToPage(MainPage page);
  RunController& Controller() { return *controller_; }
  // The pair dialogs and the directory lookup dialog, made after the window.
  DirBrowserWindows& BrowserWindows() { return *browser_windows_; }
  // The report viewers, made after the pair and lookup dialogs.
  ReportViewers& Viewers() { return *viewers_; }
  // The settings as loaded, with the values other windows keep in them
  // (viewer layout, save name); the window's own values are copied in at
  // close.
  KestrinSettings& StoredSettings() { return settings_; }
  // The settings file's full name.
  const std::string& SettingsPath() const { return settings_path_; }
  // The names of the two name fields as they were when the Dir/File Select
  // page was entered or RememberNameTexts was last called.
  const NameTexts& RememberedNames() const { return pages_.RememberedNames(); }

 Q_SIGNALS:
  // The window was closed from the Main Panel and the settings were saved:
  // the program ends.
  void ProgramEnding();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Fits the window to the screen it opens on.
  void showEvent(QShowEvent* event) override;

 private:
  void BuildNotebook();
  // The window's one size: the designed size, or larger when its pages need
  // more (a larger font), but never beyond the available screen area, where
  // the pages scroll instead; the window is moved wholly onto the screen.
  void FitToScreen();
  void ConnectMainPanel();
  void ConnectOptionPages();
  void ConnectNameField(NameComboBox* field);
  void TakeArguments(const std::vector<std::string>& arguments);

  void PageShown(int index);
  void ShowOptionsText(const ControlValues& controls);
  void PreferencesCancelled();
  void DpOptionsCancelled();
  void WriteControls(const ControlValues& controls);

  // Settings: the loaded record into the controls, the controls into it.
  void ApplySettings();
  void CollectSettings();
  void SaveAllSettings();

  NameComboBox* Field(NameField field) const;
  // The report windows, made after the pair and lookup dialogs: the legend,
  // the dual-panel and single-panel viewers, and the side-by-side save
  // preference window.
  void MakeReportWindows();

  FileSystem& fs_;
  RunDialogs& dialogs_;
  HelpViewer& help_;
  std::string program_directory_;
  std::string settings_path_;
  KestrinSettings settings_;
  MainPagesModel pages_;
  HintSwitch* hints_ = nullptr;
  QTabWidget* notebook_ = nullptr;
  QScrollArea* scroller_ = nullptr;
  MainPanelControls main_;
  PreferencesControls preferences_;
  DpOptionsControls dp_;
  InfoPagesControls info_;
  DirSelectPage* dir_select_ = nullptr;
  std::unique_ptr<RunController> controller_;
  std::unique_ptr<DirBrowserWindows> browser_windows_;
  MessageBoxViewerMessages viewer_messages_;
  std::unique_ptr<ReportViewers> viewers_;
  TFrmSbS* sbs_window_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_MAIN_MAIN_WINDOW_H_
