// Loading: each rule of the settings file, one line at a time (the cases are
// in cases/load_keys.txt); the name histories, where only entries naming
// existing files come back, at most ten, in their own letter case; and bad
// files, of which loading takes what is sound and never fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_text.h"
#include "settings/settings_file.h"
#include "settings/settings_storage.h"
#include "settings/settings_texts.h"
#include "tests/common/case_table.h"
#include "tests/common/faulty_file_system.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

// Every line of `expected` ("\n" between lines) is a line of the settings
// loaded from `lines` as saved again, with their Dp choice and ticks, or
// "rejected=<key>=<value>, <reason>" for a value no control takes or an
// options text with a word that is no keyword; no other value is named.
TEST(SettingsLoadTest, EachKeyFollowsItsRule) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/load_keys.txt")) {
    testkit::CaseScope scope(c);
    testkit::ScratchDirectory directory;
    std::vector<RejectedValue> rejected;
    std::string shown = "\n" + SettingsDescription(LoadSettings(
                                   directory.Write("Kestrin.ini", "[Kestrin]\n" + c[0]),
                                   DefaultFileSystem(), &rejected));
    for (const RejectedValue& value : rejected) {
      shown += "rejected=" + value.key + "=" + value.value + ", " + value.reason + "\n";
    }
    size_t named = 0;
    std::istringstream expected(c[1]);
    for (std::string line; std::getline(expected, line);) {
      named += line.starts_with("rejected=");
      EXPECT_NE(shown.find("\n" + line + "\n"), std::string::npos) << line << " not in" << shown;
    }
    EXPECT_EQ(rejected.size(), named) << shown;
  }
}

// Keys, sections and choices match in any letter case, every letter folded.
TEST(SettingsLoadTest, EveryLetterMatchesItsOtherCase) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    EXPECT_TRUE(EqualIgnoringCase(std::string{'x', upper}, std::string{'x', lower})) << upper;
    EXPECT_FALSE(EqualIgnoringCase(std::string{upper}, std::string{'@'})) << upper;
  }
}

// Loads the settings file text `contents` from Kestrin.ini in `directory`.
KestrinSettings Loaded(std::string_view contents,
                       const testkit::ScratchDirectory& directory = testkit::ScratchDirectory()) {
  testkit::WriteFile(directory.PathOf(kSettingsFileName), contents);
  return LoadSettings(directory.PathOf(kSettingsFileName), DefaultFileSystem());
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + ";";
  return text;
}

// The cases of cases/histories.txt, with "<A>", "<B>" for two existing
// files, "<M>" for an existing "MixedCase.TXT", "<D>" for a directory and
// "<X>" for a deleted file.
TEST(SettingsHistoryTest, OnlyExistingFilesComeBack) {
  testkit::ScratchDirectory directory;
  const std::map<char, std::string> paths = {{'A', directory.Write("First.txt", "text\n")},
                                             {'B', directory.Write("second.txt", "text\n")},
                                             {'M', directory.Write("MixedCase.TXT", "text\n")},
                                             {'D', directory.MakeDirectory("folder")},
                                             {'X', directory.PathOf("deleted.txt")}};
  const auto expand = [&](std::string text) {
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<')) {
      text.replace(at, 3, paths.at(text[at + 1]));
    }
    return text;
  };
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/histories.txt")) {
    const KestrinSettings settings = Loaded("[Kestrin]\n" + expand(c[0]), directory);
    EXPECT_EQ(Joined(settings.NFCombo), expand(c[1])) << c.Where();
    EXPECT_EQ(Joined(settings.OFCombo), expand(c[2])) << c.Where();
  }
}

// Bytes of every value from a fixed pseudo-random sequence.
std::string Garbage(std::size_t size) {
  std::minstd_rand random(12345);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() >> 8);
  return bytes;
}

// Bad files give the defaults, or what is sound in them.
TEST(SettingsBadInputTest, FilesThatGiveTheDefaults) {
  const std::string defaults = SettingsDescription(KestrinSettings{});
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/settings/cases/default_files.txt")) {
    EXPECT_EQ(SettingsDescription(Loaded(c[0])), defaults) << c.Where();
  }
  EXPECT_EQ(SettingsDescription(Loaded(Garbage(65536))), defaults);
  testkit::ScratchDirectory directory;
  const std::string oversized = directory.Write("Kestrin.ini", "[Kestrin]\nTop=5\n");
  std::filesystem::resize_file(oversized, static_cast<uintmax_t>(kLargestSettingsFile) + 1);
  EXPECT_EQ(SettingsDescription(LoadSettings(oversized, DefaultFileSystem())), defaults);
}

TEST(SettingsBadInputTest, SoundLinesAmongGarbageAreTaken) {
  const KestrinSettings settings = Loaded(Garbage(100000) + "\n[kestrin]\n" + Garbage(5000) +
                                          "\nTop=5\n" + Garbage(5000) + "\nLeft=6");
  EXPECT_EQ(settings.Top, 5);
  EXPECT_EQ(settings.Left, 6);
  EXPECT_EQ(settings.controls.subc_text.size(), 3u);
}

// Regression: a file that shrinks while it is read must end the read with
// what was there, not wait for bytes that never come.
TEST(SettingsBadInputTest, AFileThatShrinksWhileReadGivesWhatWasRead) {
  testkit::ScratchDirectory directory;
  const std::string path = directory.Write("Kestrin.ini", "[Kestrin]\nTop=5\nLeft=7\n");
  testkit::FaultyFileSystem file_system;
  file_system.faults[path].reads_end_at = 16;
  const SettingsText read = ReadSettingsText(file_system, path);
  EXPECT_EQ(read.outcome, ReadOutcome::kRead);
  EXPECT_EQ(read.text, "[Kestrin]\nTop=5\n");
}

}  // namespace
}  // namespace kestrin
