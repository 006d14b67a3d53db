// Saves that cannot succeed: each leaves the old file as it was, leaves no
// temporary file behind and says why.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_texts.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

const char kOldContents[] =
    "[Other]\nkeep=this\n\n[Kestrin]\nTop=12\nLeft=34\nOutFn=/old/report.txt\n";

// The names in a directory, "|" after each.
std::string DirectoryNames(const std::filesystem::path& directory) {
  std::string text;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    text += entry.path().filename().string() + "|";
  }
  return text;
}

std::string ErrorText(int error) { return std::generic_category().message(error); }

class SettingsFailedSaveTest : public ::testing::Test {
 protected:
  void SetUp() override { testkit::WriteFile(path_, kOldContents); }

  // Saves the default settings (which differ from the old file's) to `path`,
  // expecting the failure `reason`, the file kept and nothing else left in
  // its directory.
  void ExpectSaveFails(FileSystem& file_system, const std::string& reason,
                       const std::string& path) {
    const std::string old_contents = testkit::ReadFile(path);
    const SaveOutcome outcome = SaveSettings(KestrinSettings{}, path, file_system);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.reason, reason);
    EXPECT_EQ(testkit::ReadFile(path), old_contents);
    EXPECT_EQ(DirectoryNames(std::filesystem::path(path).parent_path()), "Kestrin.ini|");
  }

  testkit::ScratchDirectory directory_;
  const std::string path_ = directory_.PathOf("Kestrin.ini");
};

TEST_F(SettingsFailedSaveTest, FullDiskLeavesTheOldFile) {
  testkit::FileSizeLimit limit(64);
  ASSERT_TRUE(limit.applied());
  ExpectSaveFails(DefaultFileSystem(),
                  SaveFailureText(path_, kCannotWriteTemporary, ErrorText(EFBIG)), path_);
}

TEST_F(SettingsFailedSaveTest, ReadOnlyDirectoryLeavesTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop the superuser from writing";
  std::filesystem::permissions(
      directory_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  ExpectSaveFails(DefaultFileSystem(),
                  SaveFailureText(path_, kCannotCreateTemporary, ErrorText(EACCES)), path_);
}

TEST_F(SettingsFailedSaveTest, OversizedOldFileIsNotReplaced) {
  std::filesystem::resize_file(path_, static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  ExpectSaveFails(DefaultFileSystem(),
                  "The settings were not saved to \"" + path_ +
                      "\": the file is larger than 64 MiB. The old file is unchanged.",
                  path_);
}

TEST_F(SettingsFailedSaveTest, DirectoryInPlaceOfTheFileStays) {
  const std::string inner = directory_.PathOf("folder/Kestrin.ini");
  testkit::WriteFile(directory_.MakeDirectory("folder/Kestrin.ini") + "/inside.txt", "inside\n");
  ExpectSaveFails(DefaultFileSystem(),
                  SaveFailureText(inner, kCannotReplaceOldFile, ErrorText(EISDIR)), inner);
  EXPECT_EQ(testkit::ReadFile(inner + "/inside.txt"), "inside\n");
}

}  // namespace
}  // namespace kestrin
