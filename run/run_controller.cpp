// Start, Halt and Re-Show: the checks of a compare request, the run of a pair
// list through the engine, and the re-show of the last report.
#include "run/run_controller.h"

#include <algorithm>
#include <utility>

#include "engine/pair_driver.h"
#include "engine/path.h"
#include "report/report_generator.h"
#include "run/directory_pairing.h"
#include "run/flag_guard.h"
#include "run/like_name_dialog.h"
#include "run/run_texts.h"
#include "run/two_list_dialog.h"
#include "run/view_engine_host.h"

namespace kestrin {
namespace {

// The index of `text` among the compare-type entries, -1 when it is none.
int CompareTypeIndex(const std::string& text) {
  for (int i = 0; i < kCompareTypeCount; ++i) {
    if (text == kCompareTypeTexts[i]) return i;
  }
  return -1;
}

}  // namespace

RunController::RunController(MainView& view, RunDialogs& dialogs, FileSystem& fs)
    : view_(view),
      dialogs_(dialogs),
      fs_(fs),
      like_name_dialog_(std::make_unique<LikeNameDialog>(*this)),
      two_list_dialog_(std::make_unique<TwoListDialog>(*this)),
      pairing_(std::make_unique<DirectoryPairing>(*this)) {}

RunController::~RunController() = default;

void RunController::StartAtOnce() {
  const bool both_directories = fs_.IsDirectory(view_.NameText(NameField::kNew)) &&
                                fs_.IsDirectory(view_.NameText(NameField::kOld));
  view_.SetCompareTypeIndex(both_directories ? 1 : 0);
  StartClicked();
}

void RunController::StartClicked() {
  if (flags_.RunInProgress) return;
  const std::string new_text = view_.NameText(NameField::kNew);
  const std::string old_text = view_.NameText(NameField::kOld);
  pairs_.Clear();
  pairs_.new_directory = new_text;
  pairs_.old_directory = old_text;
  std::string compare_type = view_.CompareTypeText();
  if (compare_type.empty()) return;

  const bool both_files = fs_.IsFile(new_text) && fs_.IsFile(old_text);
  if (both_files && compare_type != kCompareTypeTexts[0]) {
    if (!dialogs_.AskYesNo(FileTypeQuestion(compare_type))) return;
    view_.SetCompareTypeIndex(0);
    compare_type = kCompareTypeTexts[0];
  }
  InsertNamesIntoHistories();
  const bool both_directories = fs_.IsDirectory(new_text) && fs_.IsDirectory(old_text);
  if (compare_type == kCompareTypeTexts[0]) {
    if (both_files) {
      pairs_.new_directory = DirectoryPart(new_text);
      pairs_.old_directory = DirectoryPart(old_text);
      CompareTwoFiles();
    } else if (both_directories) {
      dialogs_.ShowMessage(OnlyDirectoriesMessage(compare_type));
    } else {
      dialogs_.ShowMessage(kInvalidFileNamesMessage);
    }
  } else if (both_directories) {
    StartDirectoryCompare(compare_type);
  } else if (!fs_.IsFile(new_text) && !fs_.IsFile(old_text)) {
    dialogs_.ShowMessage(kInvalidDirectoriesMessage);
  } else {
    dialogs_.ShowMessage(NeedsDirectoryMessage(compare_type));
  }
}

void RunController::StartDirectoryCompare(const std::string& compare_type) {
  switch (CompareTypeIndex(compare_type)) {
    case 1:
      pairing_->BuildLikeNamePairs(PairingKind::kRunAll);
      break;
    case 2:
      pairing_->BuildLikeNamePairs(PairingKind::kOfferForSelection);
      break;
    case 3:
      pairing_->OpenTwoListDialog();
      break;
    default:
      dialogs_.ShowMessage(kInvalidCompareTypeMessage);
      break;
  }
}

void RunController::CompareTwoFiles() {
  const std::string new_text = view_.NameText(NameField::kNew);
  const std::string old_text = view_.NameText(NameField::kOld);
  if (!fs_.IsFile(new_text)) {
    dialogs_.ShowMessage(kInvalidNewFileMessage);
    view_.SetFocus(MainFocus::kNewName);
    return;
  }
  if (!fs_.IsFile(old_text)) {
    dialogs_.ShowMessage(kInvalidOldFileMessage);
    view_.SetFocus(MainFocus::kOldName);
    return;
  }
  pairs_.Add(NamePart(new_text), NamePart(old_text));
  RunPairList();
}

void RunController::InsertNamesIntoHistories() {
  for (NameField field : {NameField::kNew, NameField::kOld}) {
    const std::string text = view_.NameText(field);
    const std::vector<std::string> history = view_.NameHistory(field);
    if (!text.empty() && std::find(history.begin(), history.end(), text) == history.end()) {
      view_.InsertNameHistoryTop(field, text);
    }
  }
}

void RunController::RunPairList() {
  DirectoryRunInfo info = std::exchange(run_info_, DirectoryRunInfo());
  if (flags_.RunInProgress || pairs_.new_names.empty()) return;
  if (accepts_pairs_ && !accepts_pairs_(pairs_)) return;
  report_.Clear();
  InsertNamesIntoHistories();
  view_.SetStatus(kExecutingStatus);
  for (MainControl control :
       {MainControl::kReShow, MainControl::kExit, MainControl::kBypassBox, MainControl::kStart}) {
    view_.SetEnabled(control, false);
  }
  flags_.HaltRequested = false;
  view_.SetEnabled(MainControl::kHalt, true);
  {
    FlagGuard running(flags_.RunInProgress);
    view_.ProcessEvents();
    final_message_ = CallEngine(std::move(info));
    view_.SetStatus(final_message_);
  }
  report_made_ = true;
  for (MainControl control :
       {MainControl::kStart, MainControl::kReShow, MainControl::kExit, MainControl::kBypassBox}) {
    view_.SetEnabled(control, true);
  }
  view_.HideBusyImages();
  view_.SetEnabled(MainControl::kHalt, false);
  ShowAfterRun();
}

std::string RunController::CallEngine(DirectoryRunInfo info) {
  ControlValues controls = view_.Controls();
  const int dp_choice = controls.dp_choice;
  info.new_directory = view_.NameText(NameField::kNew);
  info.old_directory = view_.NameText(NameField::kOld);
  info.options_text = OptionsText(controls.dp_choice, controls.preferences);
  info.dudc_text = controls.dudc_tag;
  info.dudc_embedded = controls.dudc_embedded;
  ViewEngineHost host(view_, dialogs_);
  ReportGenerator generator(report_, host, std::move(info), kUnlimitedLines, report_sink_);
  const std::string final_message =
      RunPairs(RunRequest{pairs_, controls, flags_.HaltRequested, host, generator, fs_});
  if (controls.dp_choice != dp_choice) view_.SetDpChoice(controls.dp_choice);
  return final_message;
}

DialogNext RunController::RunChosenPairs(const std::vector<NamePair>& pairs, int compare_type,
                                         const DirectoryListing& new_listing,
                                         const DirectoryListing& old_listing,
                                         const char* none_left) {
  pairs_.Clear();
  pairs_.new_directory = view_.NameText(NameField::kNew);
  pairs_.old_directory = view_.NameText(NameField::kOld);
  for (const NamePair& pair : pairs) {
    if (fs_.IsFile(JoinPath(pairs_.new_directory, pair.new_name)) &&
        fs_.IsFile(JoinPath(pairs_.old_directory, pair.old_name))) {
      pairs_.Add(pair.new_name, pair.old_name);
    }
  }
  if (pairs_.new_names.empty()) {
    dialogs_.ShowMessage(none_left);
    return DialogNext::kStayOpen;
  }
  DirectoryRunInfo info;
  info.compare_type = compare_type;
  info.new_directory_files = new_listing.names;
  info.old_directory_files = old_listing.names;
  SetRunInfo(std::move(info));
  dialogs_.HidePairDialog();
  RunPairList();
  return DialogNext::kClose;
}

void RunController::ShowAfterRun() {
  if (!view_.BypassChecked() && !flags_.HaltRequested) {
    dialogs_.ShowReportViewer(report_);
    view_.SetFocus(MainFocus::kExit);
  } else {
    view_.SetFocus(MainFocus::kStatusLine);
  }
}

void RunController::HaltClicked() { flags_.HaltRequested = true; }

void RunController::ReShowClicked() {
  if (flags_.RunInProgress || !report_made_) return;
  const ControlValues now = view_.Controls();
  const CompareSettings& made_with = report_.settings;
  const bool sbsl_cleared = made_with.Sbsl && !now.Checked(Preference::kSbsl);
  const bool fscl_cleared = made_with.Fscl && !now.Checked(Preference::kFscl);
  if (sbsl_cleared || fscl_cleared) {
    dialogs_.ShowMessage(kPreferencesChangedMessage);
    view_.SetEnabled(MainControl::kReShow, false);
    return;
  }
  dialogs_.ShowReportViewer(report_);
}

void RunController::SetListingMask(const std::string& mask) {
  listing_mask_ = mask.empty() ? kAllFilesMask : mask;
}

void RunController::RestoreSavedSelections(const std::string& like_names,
                                           const std::string& pairs) {
  saved_like_names_ = like_names;
  saved_pairs_ = pairs;
}

std::string RunController::SavedLikeNameSelection() const {
  return saved_like_names_.empty() ? like_name_dialog_->SelectionText() : saved_like_names_;
}

std::string RunController::SavedPairSelection() const {
  return saved_pairs_.empty() ? two_list_dialog_->SelectionText() : saved_pairs_;
}

std::string RunController::TakeSavedLikeNames() { return std::exchange(saved_like_names_, {}); }

std::string RunController::TakeSavedPairs() { return std::exchange(saved_pairs_, {}); }

}  // namespace kestrin
