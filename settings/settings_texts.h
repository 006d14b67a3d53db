// The fixed texts with which the settings file reports a failure.
#ifndef KESTRIN_SETTINGS_SETTINGS_TEXTS_H_
#define KESTRIN_SETTINGS_SETTINGS_TEXTS_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kestrin {

// The settings file's name.
inline constexpr std::string_view kSettingsFileName = "Kestrin.ini";

// A settings file larger than this is never read: no settings file of this
// program comes near it, and reading it would hold it all in memory.
inline constexpr int64_t kLargestSettingsFile = int64_t{64} << 20;

// Why a save failed, one text per step of the save.
inline constexpr std::string_view kCannotReadOldFile = "cannot read the old file";
inline constexpr std::string_view kCannotMakeDirectory = "cannot create its directory";
inline constexpr std::string_view kCannotCreateTemporary = "cannot create the temporary file";
inline constexpr std::string_view kCannotWriteTemporary = "cannot write the temporary file";
inline constexpr std::string_view kCannotReplaceOldFile = "cannot replace the old file";
// No home directory and no absolute XDG_CONFIG_HOME: the file has no place.
inline constexpr std::string_view kNoSettingsDirectory =
    "neither HOME nor XDG_CONFIG_HOME names a directory for it";

// A settings file larger than kLargestSettingsFile, as a failed step of a
// save and as the reason a file was not read.
inline constexpr std::string_view kFileTooLarge = "the file is larger than 64 MiB";
// A save whose file would be larger than kLargestSettingsFile: it could
// never be read back.
inline constexpr std::string_view kSaveTooLarge =
    "the settings would be larger than 64 MiB and could not be read back";
// Why a settings file the batch program was given gave no settings: "it has
// no [Kestrin] section", "it is a directory, not a file".
std::string NoSectionCause(std::string_view section);
std::string NotAFileCause(std::string_view kind);

// Why a value of a choice is rejected: "which is not one of Yes, No and is
// not used".
std::string NotAChoiceReason(std::span<const char* const> choices);
// Why an options text is rejected: "in which Icase is no keyword", "in which
// Dsem is a second Dp keyword".
std::string UnknownKeywordReason(std::string_view word);
std::string SecondDpKeywordReason(std::string_view word);

// A rejected value of a settings file, for example:
// clang-format off
// The settings file "/tmp/k.ini" has XTab=9, which is not one of 1, 2, 3, 4, 5, 6, 7, 8 and is not used.
// clang-format on
std::string RejectedValueText(std::string_view path, std::string_view key, std::string_view value,
                              std::string_view reason);

// A failed save, with the system's reason when there is one, for example:
// clang-format off
// The settings were not saved to "/opt/kestrin/Kestrin.ini": cannot create the temporary file (Permission denied). The old file is unchanged.
// clang-format on
std::string SaveFailureText(std::string_view path, std::string_view step, std::string_view cause);

// A settings file that could not be read, for example:
// Cannot read the settings file "/tmp/k.ini": no such file.
std::string ReadFailureText(std::string_view path, std::string_view cause);

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_SETTINGS_TEXTS_H_
