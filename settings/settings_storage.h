// Reading a settings file whole, and replacing it so that a failed write
// never leaves it half written.
#ifndef KESTRIN_SETTINGS_SETTINGS_STORAGE_H_
#define KESTRIN_SETTINGS_SETTINGS_STORAGE_H_

#include <optional>
#include <string>
#include <string_view>

#include "engine/file_system.h"

namespace kestrin {

enum class ReadOutcome {
  kRead,
  kMissing,     // no file by that name
  kNotAFile,    // the name is a directory, a pipe, a socket or a device
  kUnreadable,  // the file exists but could not be read
  kTooLarge,    // larger than kLargestSettingsFile, not read
};

struct SettingsText {
  ReadOutcome outcome = ReadOutcome::kMissing;
  std::string text;   // the file's bytes when read
  // Why the file was not read, in words: the system's reason, or what the
  // name is ("directory").
  std::string cause;
};

// Reads the whole settings file at `path`. A file that shrinks while it is
// read gives what was there. Anything but a file is never opened, so that a
// pipe cannot keep the reader waiting.
SettingsText ReadSettingsText(FileSystem& file_system, const std::string& path);

// The step of a replacement that failed and the system's reason.
struct WriteFailure {
  std::string_view step;  // one of the step texts of settings_texts.h
  std::string cause;
};

// Makes the file at `path` hold exactly `contents`: creates its directory when
// missing, writes a temporary file beside it, flushes it to the disk, renames
// it over the old file (through a symbolic link, the file it names) and
// flushes the directory, so that the new name survives a crash. On failure
// the old file is untouched and the temporary file is gone. Temporary files
// of the same file left by a save that was killed, older than
// kStaleTemporaryAge, are removed first.
inline constexpr int kStaleTemporaryAge = 60;  // seconds
std::optional<WriteFailure> ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_STORAGE_H_
