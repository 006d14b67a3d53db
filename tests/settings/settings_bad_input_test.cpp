// Bad settings files: loading never fails, takes what is sound and keeps the
// defaults for the rest.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_storage.h"
#include "settings/settings_texts.h"
#include "tests/common/case_table.h"
#include "tests/common/faulty_file_system.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// Bytes of every value from a fixed pseudo-random sequence.
std::string Garbage(std::size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245 + 12345;
    byte = static_cast<char>(state >> 24);
  }
  return bytes;
}

class SettingsBadInputTest : public ::testing::Test {
 protected:
  KestrinSettings Loaded(const std::string& contents) {
    return SettingsLoadedFromText(directory_, contents);
  }

  testkit::ScratchDirectory directory_;
  const std::string defaults_ = SettingsDescription(KestrinSettings{});
};

TEST_F(SettingsBadInputTest, FilesThatGiveTheDefaults) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/default_files.txt")) {
    EXPECT_EQ(SettingsDescription(Loaded(c[0])), defaults_) << c.Where();
  }
  EXPECT_EQ(SettingsDescription(Loaded(Garbage(65536))), defaults_);
}

TEST_F(SettingsBadInputTest, SoundLinesAmongGarbageAreTaken) {
  const KestrinSettings settings = Loaded(Garbage(100000) + "\n[kestrin]\n" + Garbage(5000) +
                                          "\nTop=5\n" + Garbage(5000) + "\nLeft=6");
  EXPECT_EQ(settings.Top, 5);
  EXPECT_EQ(settings.Left, 6);
  EXPECT_EQ(settings.controls.subc_text.size(), 3u);
}

TEST_F(SettingsBadInputTest, OversizedFileIsNotRead) {
  const std::string path = directory_.PathOf("Kestrin.ini");
  testkit::WriteFile(path, "[Kestrin]\nTop=5\n");
  std::filesystem::resize_file(path, static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  EXPECT_EQ(SettingsDescription(LoadSettings(path, DefaultFileSystem())), defaults_);
}

// Regression: a file that shrinks while it is read must end the read with
// what was there, not wait for bytes that never come.
TEST_F(SettingsBadInputTest, AFileThatShrinksWhileReadGivesWhatWasRead) {
  const std::string path = directory_.Write("Kestrin.ini", "[Kestrin]\nTop=5\nLeft=7\n");
  testkit::FaultyFileSystem file_system;
  file_system.faults[path].reads_end_at = 16;
  const SettingsText read = ReadSettingsText(file_system, path);
  EXPECT_EQ(read.outcome, ReadOutcome::kRead);
  EXPECT_EQ(read.text, "[Kestrin]\nTop=5\n");
}

}  // namespace
}  // namespace kestrin
