// The compare choices a run takes from a settings file, as the batch program
// uses them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "engine/path.h"
#include "settings/settings_file.h"
#include "settings/settings_texts.h"
#include "tests/common/case_table.h"
#include "tests/common/faulty_file_system.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// The choices of data/choices.ini are the loaded record's own: put back into a record, it saves
// as the record loaded from the file does. (The keys' rules are
// settings_load_test's.)
TEST(SettingsCompareChoicesTest, FileChoicesAreTheLoadedRecordsChoices) {
  const std::string path = JoinPath(KESTRIN_SOURCE_DIR, "tests/settings/data/choices.ini");
  const CompareChoicesRead read = LoadCompareChoices(path, DefaultFileSystem());
  ASSERT_TRUE(read.choices.has_value()) << read.reason;
  EXPECT_EQ(read.reason, "");
  const KestrinSettings loaded = LoadSettings(path, DefaultFileSystem());
  KestrinSettings record;
  record.OptsUsed = loaded.OptsUsed;  // the choices hold it as the controls' ticks
  record.controls = read.choices->controls;
  record.CompareType = read.choices->compare_type;
  record.InclSubDirs = read.choices->include_subdirectories;
  record.SvLList = read.choices->like_names_selection;
  record.SvULList = read.choices->pairs_selection;
  EXPECT_EQ(SettingsDescription(record), SettingsDescription(loaded));
}

TEST(SettingsCompareChoicesTest, FileThatGivesNoChoicesSaysWhy) {
  testkit::ScratchDirectory directory;
  directory.MakeDirectory("folder.ini");
  std::filesystem::resize_file(directory.Write("large.ini", ""),
                               static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  // A pipe is named without being opened, which would wait for a writer.
  ASSERT_EQ(mkfifo(directory.PathOf("pipe.ini").c_str(), 0600), 0);
  directory.Write("other.ini", "[Other]\nListType=Long\n");
  directory.Write("bytes.ini", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff[Kestrin\0", 25));
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/no_choices.txt")) {
    const std::string path = c[0].starts_with("/") ? c[0] : directory.PathOf(c[0]);
    const CompareChoicesRead read = LoadCompareChoices(path, DefaultFileSystem());
    std::string reason = c[1];
    reason.replace(reason.find("<path>"), 6, path);
    EXPECT_FALSE(read.choices.has_value()) << c.Where();
    EXPECT_EQ(read.reason, reason) << c.Where();
  }
  testkit::FaultyFileSystem unreadable;
  const std::string locked = directory.Write("locked.ini", "[Kestrin]\n");
  unreadable.faults[locked].open_error = EACCES;
  EXPECT_EQ(LoadCompareChoices(locked, unreadable).reason,
            "Cannot read the settings file \"" + locked + "\": Permission denied.");
}

}  // namespace
}  // namespace kestrin
