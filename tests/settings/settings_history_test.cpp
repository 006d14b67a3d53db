// The name histories: only entries naming existing files come back, at most ten.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "|";
  return text;
}

class SettingsHistoryTest : public ::testing::Test {
 protected:
  // A file of that name in the scratch directory, created.
  std::string ExistingFile(const std::string& name) {
    const std::string path = directory_.Name(name);
    SettingsWriteFile(path, "text\n");
    return path;
  }

  SettingsScratchDir directory_;
};

TEST_F(SettingsHistoryTest, DirectoriesAndDeletedFilesAreDropped) {
  const std::string kept_first = ExistingFile("First.txt");
  const std::string deleted = ExistingFile("deleted.txt");
  const std::string kept_second = ExistingFile("second.txt");
  const std::string folder = directory_.Name("folder");
  std::filesystem::create_directory(folder);
  std::filesystem::remove(deleted);

  const KestrinSettings settings = SettingsLoadedFromText(
      directory_, "[Kestrin]\nNFCombo0=" + kept_first + "\nNFCombo1=" + deleted +
                      "\nNFCombo2=" + folder + "\nNFCombo3=" + kept_second +
                      "\nOFCombo0=" + folder + "\nofcombo1=" + kept_second + "\nNFCombo4=\n");
  EXPECT_EQ(Joined(settings.NFCombo), kept_first + "|" + kept_second + "|");
  EXPECT_EQ(Joined(settings.OFCombo), kept_second + "|");
}

TEST_F(SettingsHistoryTest, ElevenEntriesComeBackAsTen) {
  KestrinSettings saved;
  std::vector<std::string> names;
  for (int i = 0; i < 11; ++i) names.push_back(ExistingFile("file" + std::to_string(i) + ".txt"));
  saved.NFCombo = names;
  saved.OFCombo = names;
  const std::string path = directory_.Name("Kestrin.ini");
  ASSERT_TRUE(SaveSettings(saved, path, DefaultFileSystem()).saved);
  EXPECT_NE(SettingsReadFile(path).find("NFCombo10=" + names[10] + "\n"), std::string::npos);

  const KestrinSettings loaded = LoadSettings(path, DefaultFileSystem());
  names.pop_back();
  EXPECT_EQ(Joined(loaded.NFCombo), Joined(names));
  EXPECT_EQ(Joined(loaded.OFCombo), Joined(names));
}

TEST_F(SettingsHistoryTest, KeysWithoutOneEntryDigitAreDropped) {
  const std::string file = ExistingFile("a.txt");
  const KestrinSettings settings =
      SettingsLoadedFromText(directory_, "[Kestrin]\nNFCombo=" + file + "\nNFCombo10=" + file +
                                             "\nNFComboAB=" + file + "\nNFCombo7=" + file + "\n");
  EXPECT_EQ(Joined(settings.NFCombo), file + "|");
}

TEST_F(SettingsHistoryTest, NoMoreThanTenEvenFromDuplicateLines) {
  const std::string file = ExistingFile("a.txt");
  std::string lines = "[Kestrin]\n";
  for (int i = 0; i < 25; ++i) lines += "NFCombo0=" + file + "\n";
  const KestrinSettings settings = SettingsLoadedFromText(directory_, lines);
  EXPECT_EQ(settings.NFCombo.size(), kHistoryKept);
}

TEST_F(SettingsHistoryTest, NameWithZeroByteIsDropped) {
  const std::string file = ExistingFile("a.txt");
  const KestrinSettings settings = SettingsLoadedFromText(
      directory_, "[Kestrin]\nNFCombo0=" + file + std::string(1, '\0') + "junk\n");
  EXPECT_TRUE(settings.NFCombo.empty());
}

TEST_F(SettingsHistoryTest, NamesKeepTheirLetterCase) {
  const std::string file = ExistingFile("MixedCase.TXT");
  const KestrinSettings settings = SettingsLoadedFromText(
      directory_, "[Kestrin]\nNFCombo0=" + file + "\nNewDirNm=" + file + "\n");
  EXPECT_EQ(Joined(settings.NFCombo), file + "|");
  EXPECT_EQ(settings.NewDirNm, file);
}

}  // namespace
}  // namespace kestrin
