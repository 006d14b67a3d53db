// Loading and saving the settings file: the section [Kestrin] of key=value
// lines that carries every value of the settings record from one run of the
// program to the next.
#ifndef KESTRIN_SETTINGS_SETTINGS_FILE_H_
#define KESTRIN_SETTINGS_SETTINGS_FILE_H_

#include <optional>
#include <string>

#include "engine/file_system.h"
#include "settings/kestrin_settings.h"

namespace kestrin {

// A name history keeps at most this many entries across a restart (the keys
// numbered 0 to 9).
inline constexpr std::size_t kHistoryKept = 10;

// Loads the settings file at `path`. A file that is missing, unreadable or
// larger than kLargestSettingsFile gives the defaults; otherwise every sound
// line of the section [Kestrin] (any letter case) is taken in file order, so
// a later duplicate acts last, and every other value keeps its default.
// History entries come back only when they name existing files.
KestrinSettings LoadSettings(const std::string& path, FileSystem& file_system);

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
};

// The compare choices of the settings file at `path`, for a caller that was
// told to use that file: unlike LoadSettings, a missing or unreadable file is
// a failure, not the defaults.
CompareChoicesRead LoadCompareChoices(const std::string& path, FileSystem& file_system);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_FILE_H_
