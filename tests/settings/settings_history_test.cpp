// The name histories: only entries naming existing files come back, at most
// ten, in their own letter case.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "tests/common/case_table.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

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
  const auto path_of = [&](char mark) {
    switch (mark) {
      case 'A':
        return directory.Write("First.txt", "text\n");
      case 'B':
        return directory.Write("second.txt", "text\n");
      case 'M':
        return directory.Write("MixedCase.TXT", "text\n");
      case 'D':
        return directory.MakeDirectory("folder");
      default:
        return directory.PathOf("deleted.txt");
    }
  };
  const auto expand = [&](std::string text) {
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<')) {
      text.replace(at, 3, path_of(text[at + 1]));
    }
    return text;
  };
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/settings/cases/histories.txt")) {
    const KestrinSettings settings =
        SettingsLoadedFromText(directory, "[Kestrin]\n" + expand(c[0]));
    EXPECT_EQ(Joined(settings.NFCombo), expand(c[1])) << c.Where();
    EXPECT_EQ(Joined(settings.OFCombo), expand(c[2])) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
