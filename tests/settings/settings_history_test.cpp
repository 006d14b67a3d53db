// The name histories: only entries naming existing files come back, at most
// ten, in their own letter case.
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

// A settings text and the histories it gives, with "A", "B" for two existing
// files, "M" for an existing "MixedCase.TXT", "D" for a directory and "X" for
// a deleted file written between angle brackets: "<A>".
struct HistoryCase {
  const char* name;
  std::string text;
  std::string new_names;
  std::string old_names;
};

TEST(SettingsHistoryTest, OnlyExistingFilesComeBack) {
  testkit::ScratchDirectory directory;
  const auto path_of = [&](char mark) {
    switch (mark) {
      case 'A': return directory.Write("First.txt", "text\n");
      case 'B': return directory.Write("second.txt", "text\n");
      case 'M': return directory.Write("MixedCase.TXT", "text\n");
      case 'D': return directory.MakeDirectory("folder");
      default: return directory.PathOf("deleted.txt");
    }
  };
  const auto expand = [&](std::string text) {
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<')) {
      text.replace(at, 3, path_of(text[at + 1]));
    }
    return text;
  };
  std::string sixteen_copies = "NFCombo0=<A>\n";
  for (int k = 0; k < 4; ++k) sixteen_copies += sixteen_copies;
  const HistoryCase cases[] = {
      {"directories and deleted files are dropped",
       "NFCombo0=<A>\nNFCombo1=<X>\nNFCombo2=<D>\nNFCombo3=<B>\nOFCombo0=<D>\nofcombo1=<B>\n"
       "NFCombo4=\n",
       "<A>|<B>|", "<B>|"},
      {"keys without one entry digit are dropped",
       "NFCombo=<A>\nNFCombo10=<A>\nNFComboAB=<A>\nNFCombo7=<A>\n", "<A>|", ""},
      {"no more than ten even from duplicate lines", sixteen_copies,
       "<A>|<A>|<A>|<A>|<A>|<A>|<A>|<A>|<A>|<A>|", ""},
      {"a name with a zero byte is dropped", "NFCombo0=<A>" + std::string(1, '\0') + "junk\n",
       "", ""},
      {"names keep their letter case", "NFCombo0=<M>\n", "<M>|", ""},
  };
  for (const HistoryCase& c : cases) {
    const KestrinSettings settings =
        SettingsLoadedFromText(directory, "[Kestrin]\n" + expand(c.text));
    EXPECT_EQ(Joined(settings.NFCombo), expand(c.new_names)) << c.name;
    EXPECT_EQ(Joined(settings.OFCombo), expand(c.old_names)) << c.name;
  }
}

}  // namespace
}  // namespace kestrin
