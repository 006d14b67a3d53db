// The run controller: what the main window's Start, Halt and Re-Show buttons
// call. It checks a compare request, builds the pair list of the four compare
// types (directly or through a pair dialog), runs it through the engine and
// hands the report to the viewer.
#ifndef KESTRIN_RUN_RUN_CONTROLLER_H_
#define KESTRIN_RUN_RUN_CONTROLLER_H_

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/file_system.h"
#include "engine/pair_run.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_sink.h"
#include "run/directory_listing.h"
#include "run/like_names.h"
#include "run/main_view.h"
#include "run/run_dialogs.h"
#include "run/run_texts.h"  // kCompareTypeTexts

namespace kestrin {

class LikeNameDialog;
class TwoListDialog;
class DirectoryPairing;

// Judges a pair list before it runs: true lets it run.
using PairListCheck = std::function<bool(const PairList&)>;

// The main window's run flags.
struct RunFlags {
  bool HaltRequested = false;       // set by Halt, read by the engine
  bool ReListRequested = false;     // set when the directory lookup closes
  bool LikeNameDialogOpen = false;  // the compare type 3 dialog is shown
  bool TwoListDialogOpen = false;   // the compare type 4 dialog is shown
  bool RunInProgress = false;       // the engine is running a pair list
};

class RunController {
 public:
  // `view`, `dialogs` and `fs` must outlive the controller.
  RunController(MainView& view, RunDialogs& dialogs, FileSystem& fs);
  ~RunController();
  RunController(const RunController&) = delete;
  RunController& operator=(const RunController&) = delete;

  // The Start button: checks the names and the compare type, then runs
  // compare type 1 or 2 or opens the pair dialog of type 3 or 4.
  void StartClicked();
  // A compare asked for on the command line: compare type 2 when both names
  // are directories, else type 1 (whose checks report names that are not
  // two files), then Start.
  void StartAtOnce();
  // Runs the filled pair list through the engine and shows the report
  // unless the run was halted or the bypass box is ticked. Does nothing
  // while a run is in progress or when the pair list is empty.
  void RunPairList();
  // The Halt button: asks the running compare to stop.
  void HaltClicked();
  // The Re-Show Last Report Panel button.
  void ReShowClicked();

  // True while a pair list is running. Closing the main window is refused
  // then: the window tells the user and keeps running.
  bool RunInProgress() const { return flags_.RunInProgress; }

  // The mask every directory listing starts with (default "*.*"). For
  // callers without windows that compare directories under one mask.
  void SetListingMask(const std::string& mask);
  const std::string& ListingMask() const { return listing_mask_; }

  // The saved selections as the settings file keeps them: SvLList ("a.txt;
  // b.txt;") and SvULList ("new.c : old.c;"). Restored texts are used up by
  // the first opening of their dialog; until then they are given back as
  // they came.
  void RestoreSavedSelections(const std::string& like_names, const std::string& pairs);
  std::string SavedLikeNameSelection() const;
  std::string SavedPairSelection() const;

  // What the next RunPairList tells the report about the run (compare type,
  // the directories' files, unpaired counts); the run fills in the
  // directories and the main panel's texts. Compare type 1 after each run.
  void SetRunInfo(DirectoryRunInfo info) { run_info_ = std::move(info); }
  // Where the next runs' report lines go as they are made; the report then
  // keeps no lines. Null (the default) keeps the report whole. A set
  // `accepts_pairs` is asked with each run's pair list before the engine
  // runs it, and false runs nothing.
  void SetReportSink(ReportSink* sink, PairListCheck accepts_pairs = {}) {
    report_sink_ = sink;
    accepts_pairs_ = std::move(accepts_pairs);
  }
  // Runs the pairs a pair dialog built (compare type 3 or 4), with the main
  // window's name fields as run directories; a pair whose files are gone is
  // skipped. When no pair is left shows `none_left` and runs nothing (the
  // dialog stays open); otherwise the dialog closes after the run.
  DialogNext RunChosenPairs(const std::vector<NamePair>& pairs, int compare_type,
                            const DirectoryListing& new_listing,
                            const DirectoryListing& old_listing, const char* none_left);
  // Hands out the saved selection of a dialog's first opening, and forgets it.
  std::string TakeSavedLikeNames();
  std::string TakeSavedPairs();

  // True once a run has built a report; the last run's final message.
  bool ReportMade() const { return report_made_; }
  const std::string& FinalMessage() const { return final_message_; }
  const ReportLines& Report() const { return report_; }
  const PairList& Pairs() const { return pairs_; }
  PairList& Pairs() { return pairs_; }
  const RunFlags& Flags() const { return flags_; }
  RunFlags& Flags() { return flags_; }
  LikeNameDialog& LikeNames() { return *like_name_dialog_; }
  TwoListDialog& TwoLists() { return *two_list_dialog_; }
  MainView& View() { return view_; }
  RunDialogs& Dialogs() { return dialogs_; }
  FileSystem& Files() { return fs_; }

 private:
  void CompareTwoFiles();
  void StartDirectoryCompare(const std::string& compare_type);
  void InsertNamesIntoHistories();
  void ShowAfterRun();
  // Calls the engine on the pair list; returns its final message.
  std::string CallEngine(DirectoryRunInfo info);

  MainView& view_;
  RunDialogs& dialogs_;
  FileSystem& fs_;
  RunFlags flags_;
  PairList pairs_;
  ReportLines report_;
  DirectoryRunInfo run_info_;
  ReportSink* report_sink_ = nullptr;
  PairListCheck accepts_pairs_;
  bool report_made_ = false;  // a run has built the report Re-Show shows
  std::string final_message_;
  std::string listing_mask_ = kAllFilesMask;
  std::string saved_like_names_;  // SvLList until the like-name dialog opens
  std::string saved_pairs_;       // SvULList until the two-list dialog opens
  std::unique_ptr<LikeNameDialog> like_name_dialog_;
  std::unique_ptr<TwoListDialog> two_list_dialog_;
  std::unique_ptr<DirectoryPairing> pairing_;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_RUN_CONTROLLER_H_
