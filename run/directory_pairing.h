// The directory compares: like-name pairing for compare types 2 and 3 and the
// two-list listing of compare type 4, each with its re-list loop around the
// pair dialog.
#ifndef KESTRIN_RUN_DIRECTORY_PAIRING_H_
#define KESTRIN_RUN_DIRECTORY_PAIRING_H_

#include <vector>

#include "run/directory_listing.h"
#include "run/like_names.h"
#include "run/main_view.h"

namespace kestrin {

class RunController;

// What like-name pairing does with the pairs it finds.
enum class PairingKind {
  kRunAll,             // compare type 2: run every like-named pair
  kOfferForSelection,  // compare type 3: offer them in the like-name dialog
};

class DirectoryPairing {
 public:
  explicit DirectoryPairing(RunController& controller) : controller_(controller) {}

  // Pairs the like-named files of the directories in the main window's name
  // fields, then runs them (kRunAll) or opens the like-name dialog until it
  // closes without a re-list request.
  void BuildLikeNamePairs(PairingKind kind);
  // Lists the like-names and opens the like-name dialog on them; tells the
  // user when there is none.
  void OpenLikeNameDialog();
  // Lists the two directories and opens the two-list dialog until it closes
  // without a re-list request.
  void OpenTwoListDialog();

 private:
  bool NameFieldsAreDirectories(const char* new_message, const char* old_message);
  // Lists both sides and pairs their like-names, showing the progress.
  std::vector<NamePair> PairListings(DirectoryListing& new_listing, DirectoryListing& old_listing);
  // The listing of the directory in `field` as compare type 2 starts it.
  DirectoryListing RunListing(NameField field);
  void RunAllPairs();
  void OfferPairs(bool first_pass);
  bool ListTwoDirectories(bool first_pass);

  RunController& controller_;
};

}  // namespace kestrin

#endif  // KESTRIN_RUN_DIRECTORY_PAIRING_H_
