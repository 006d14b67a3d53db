// Like-name pairing (compare types 2 and 3) and the two-list listing
// (compare type 4) with their re-list loops around the pair dialogs.
#include "run/directory_pairing.h"

#include "run/flag_guard.h"
#include "run/like_name_dialog.h"
#include "run/like_names.h"
#include "run/run_controller.h"
#include "run/run_texts.h"
#include "run/two_list_dialog.h"

namespace kestrin {
namespace {

// The pairing shows its progress every this many old names, so that large
// directories pair quickly and Halt still gets through.
constexpr int kProgressInterval = 60;

}  // namespace

bool DirectoryPairing::NameFieldsAreDirectories(const char* new_message, const char* old_message) {
  MainView& view = controller_.View();
  if (!controller_.Files().IsDirectory(view.NameText(NameField::kNew))) {
    controller_.Dialogs().ShowMessage(new_message);
    view.SetFocus(MainFocus::kNewName);
    return false;
  }
  if (!controller_.Files().IsDirectory(view.NameText(NameField::kOld))) {
    controller_.Dialogs().ShowMessage(old_message);
    view.SetFocus(MainFocus::kOldName);
    return false;
  }
  return true;
}

void DirectoryPairing::BuildLikeNamePairs(PairingKind kind) {
  if (!NameFieldsAreDirectories(kInvalidNewDirectoryNameMessage, kInvalidOldDirectoryNameMessage)) {
    return;
  }
  if (kind == PairingKind::kRunAll) {
    RunAllPairs();
    return;
  }
  RunFlags& flags = controller_.Flags();
  flags.ReListRequested = false;
  bool first_pass = true;
  do {
    OfferPairs(first_pass);
    first_pass = false;
  } while (flags.ReListRequested);
}

std::vector<NamePair> DirectoryPairing::PairListings(DirectoryListing& new_listing,
                                                     DirectoryListing& old_listing) {
  FileSystem& fs = controller_.Files();
  new_listing.Refresh(fs);
  old_listing.Refresh(fs);
  MainView& view = controller_.View();
  return PairLikeNames(new_listing.names, old_listing.names, [&view](int counter, int old_count) {
    if (counter % kProgressInterval != 0) return;
    view.SetStatus(PairingProgressText(counter - 1, old_count));
    view.ToggleBusyImages();
    view.ProcessEvents();
  });
}

void DirectoryPairing::RunAllPairs() {
  DirectoryListing new_listing = RunListing(NameField::kNew);
  DirectoryListing old_listing = RunListing(NameField::kOld);
  const std::vector<NamePair> pairs = PairListings(new_listing, old_listing);
  if (pairs.empty()) {
    controller_.Dialogs().ShowMessage(kNoLikeNamePairsMessage);
    return;
  }
  PairList& pair_list = controller_.Pairs();
  for (const NamePair& pair : pairs) pair_list.Add(pair.new_name, pair.old_name);
  DirectoryRunInfo info;
  info.compare_type = kCompareLikeNamedFiles;
  // Every listed file outside a pair is counted as not processed, also a
  // second spelling of a paired name and an entry that cannot be compared.
  info.unpaired_new_files =
      static_cast<int32_t>(new_listing.names.size() + new_listing.unusable.size() - pairs.size());
  info.unpaired_old_files =
      static_cast<int32_t>(old_listing.names.size() + old_listing.unusable.size() - pairs.size());
  info.new_directory_files = std::move(new_listing.names);
  info.old_directory_files = std::move(old_listing.names);
  info.new_unusable_files = std::move(new_listing.unusable);
  info.old_unusable_files = std::move(old_listing.unusable);
  info.new_not_compared = std::move(new_listing.not_compared);
  info.old_not_compared = std::move(old_listing.not_compared);
  controller_.SetRunInfo(std::move(info));
  controller_.RunPairList();
}

DirectoryListing DirectoryPairing::RunListing(NameField field) {
  const MainView& view = controller_.View();
  DirectoryListing listing;
  listing.directory = view.NameText(field);
  listing.mask = controller_.ListingMask();
  listing.include_subdirectories = view.SubdirectoriesIncluded();
  return listing;
}

void DirectoryPairing::OfferPairs(bool first_pass) {
  LikeNameDialog& dialog = controller_.LikeNames();
  if (first_pass) {
    const MainView& view = controller_.View();
    dialog.SetMask(controller_.ListingMask());
    dialog.IncludeSubdirectories(view.SubdirectoriesIncluded());
    dialog.PointAt(view.NameText(NameField::kNew), view.NameText(NameField::kOld));
  }
  dialog.OfferPairs(PairListings(dialog.NewListing(), dialog.OldListing()));
  if (dialog.Available().empty()) {
    controller_.Dialogs().ShowMessage(
        std::string(kNoCandidatesMessage) +
        (first_pass ? kNoCandidatesFirstEnding : kNoCandidatesLaterEnding));
  }
  controller_.Flags().ReListRequested = false;
  OpenLikeNameDialog();
}

void DirectoryPairing::OpenLikeNameDialog() {
  MainView& view = controller_.View();
  LikeNameDialog& dialog = controller_.LikeNames();
  dialog.PointAt(view.NameText(NameField::kNew), view.NameText(NameField::kOld));
  if (dialog.ListLikeNames() == 0) {
    controller_.Dialogs().ShowMessage(kNoCommonNamesMessage);
    view.SetFocus(MainFocus::kNewName);
    return;
  }
  const std::string saved = controller_.TakeSavedLikeNames();
  if (!saved.empty()) dialog.RestoreSelection(saved);
  dialog.ReconcileSelection();
  dialog.ShowDirectoryCaptions();
  FlagGuard open(controller_.Flags().LikeNameDialogOpen);
  controller_.Dialogs().ShowLikeNameDialog(dialog);
}

void DirectoryPairing::OpenTwoListDialog() {
  if (!NameFieldsAreDirectories(kInvalidNewDirectoryMessage, kInvalidOldDirectoryMessage)) {
    return;
  }
  RunFlags& flags = controller_.Flags();
  flags.ReListRequested = false;
  bool first_pass = true;
  do {
    if (ListTwoDirectories(first_pass)) {
      TwoListDialog& dialog = controller_.TwoLists();
      const std::string saved = controller_.TakeSavedPairs();
      if (!saved.empty()) dialog.RestoreSelection(saved);
      dialog.ReconcileSelection();
      dialog.ShowDirectoryCaptions();
      FlagGuard open(flags.TwoListDialogOpen);
      controller_.Dialogs().ShowTwoListDialog(dialog);
    }
    first_pass = false;
  } while (flags.ReListRequested);
}

bool DirectoryPairing::ListTwoDirectories(bool first_pass) {
  TwoListDialog& dialog = controller_.TwoLists();
  std::string ending = kFirstListingEnding;
  const MainView& view = controller_.View();
  if (first_pass) {
    dialog.SetMasks(controller_.ListingMask());
    dialog.IncludeSubdirectories(view.SubdirectoriesIncluded());
  } else {
    controller_.Flags().ReListRequested = false;
    if (dialog.NewListing().mask != kAllFilesMask) ending = kLaterListingEnding;
  }
  dialog.ListDirectories(view.NameText(NameField::kNew), view.NameText(NameField::kOld));
  if (dialog.NewFiles().empty()) {
    controller_.Dialogs().ShowMessage(kNoNewFilesMessage + ending);
    return false;
  }
  if (dialog.OldFiles().empty()) {
    controller_.Dialogs().ShowMessage(kNoOldFilesMessage + ending);
    return false;
  }
  return true;
}

}  // namespace kestrin
