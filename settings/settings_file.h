// Loading and saving the settings file: the section [Kestrin] of key=value
// lines that carries every value of the settings record from one run of the
// program to the next.
#ifndef KESTRIN_SETTINGS_SETTINGS_FILE_H_
#define KESTRIN_SETTINGS_SETTINGS_FILE_H_

#include <optional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "settings/kestrin_settings.h"

namespace kestrin {

// A name history keeps at most this many entries across a restart (the keys
// numbered 0 to 9).
inline constexpr std::size_t kHistoryKept = 10;

// A value of the settings file that loading does not take as it stands: a
// choice that is none of its list's entries, which is not used, or an
// options text with a word that is no keyword or a second Dp keyword.
struct RejectedValue {
  std::string key;     // as the key table spells it: "XTab"
  std::string value;   // as the file has it: "9"
  std::string reason;  // "which is not one of 1, 2, 3, 4, 5, 6, 7, 8 and is not used"
};

// Loads the settings file at `path`. A file that is missing, unreadable or
// larger than kLargestSettingsFile gives the defaults; otherwise every sound
// line of the section [Kestrin] (any letter case) is taken in file order, so
// a later duplicate acts last, and every other value keeps its default.
// History entries come back only when they name existing files. A choice is
// taken in any letter case and kept as its list spells it. Each rejected
// value is added to `rejected` when it is not null.
KestrinSettings LoadSettings(const std::string& path, FileSystem& file_system,
                             std::vector<RejectedValue>* rejected = nullptr);

struct SaveOutcome {
  bool saved = false;
  std::string reason;  // why not, when not saved
};

// Writes the section [Kestrin] of the settings file at `path` with every key
// in its fixed order and letter case (a saved selection only when not empty),
// keeping every other section of the file as it was. The file is replaced
// whole or not at all: a failed save leaves the old file unchanged and says
// why.
SaveOutcome SaveSettings(const KestrinSettings& settings, const std::string& path,
                         FileSystem& file_system);

struct CompareChoicesRead {
  std::optional<CompareChoices> choices;  // empty when the file gave none
  std::string reason;                     // why not, when empty
  std::vector<RejectedValue> rejected;    // the file's rejected values
};

// The compare choices of the settings file at `path`, for a caller that was
// told to use that file: unlike LoadSettings, a file that is missing,
// unreadable, not a file or without a section [Kestrin] is a failure, not
// the defaults.
CompareChoicesRead LoadCompareChoices(const std::string& path, FileSystem& file_system);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_FILE_H_
