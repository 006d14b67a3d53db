// Loading single keys: each rule of the settings file, one line at a time.
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "tests/settings/settings_support.h"

namespace kestrin {
namespace {

using Field = std::string (*)(const KestrinSettings&);

std::string Flag(bool value) { return value ? "ticked" : "clear"; }

std::string TopOf(const KestrinSettings& s) { return std::to_string(s.Top); }
std::string LeftOf(const KestrinSettings& s) { return std::to_string(s.Left); }
std::string NewNameOf(const KestrinSettings& s) { return s.NewDirNm; }
std::string OldNameOf(const KestrinSettings& s) { return s.OldDirNm; }
std::string CompareTypeOf(const KestrinSettings& s) { return s.CompareType; }
std::string ListTypeOf(const KestrinSettings& s) { return s.controls.listing_type_text; }
std::string ViewResultsOf(const KestrinSettings& s) { return Flag(s.ViewResults); }
std::string TurnOffHintOf(const KestrinSettings& s) { return Flag(s.TurnOffHint); }
std::string SbsRpOf(const KestrinSettings& s) { return Flag(s.SbsRp); }
std::string SubcOf(const KestrinSettings& s) { return s.controls.subc_text; }
std::string TabSizeOf(const KestrinSettings& s) { return s.controls.tab_size_text; }
std::string DudcTagOf(const KestrinSettings& s) { return s.controls.dudc_tag; }
std::string DudcEmbeddedOf(const KestrinSettings& s) { return s.controls.dudc_embedded; }
std::string NewRange1Of(const KestrinSettings& s) { return s.controls.new_range1; }
std::string NewRange2Of(const KestrinSettings& s) { return s.controls.new_range2; }
std::string OldRange1Of(const KestrinSettings& s) { return s.controls.old_range1; }
std::string OldRange2Of(const KestrinSettings& s) { return s.controls.old_range2; }
std::string PrintFontOf(const KestrinSettings& s) { return s.layout.PFontSz; }
std::string ListFontOf(const KestrinSettings& s) { return s.layout.VLFontSz; }
std::string SingleTopOf(const KestrinSettings& s) { return s.layout.VLTop1; }
std::string DualLeftOf(const KestrinSettings& s) { return s.layout.VLLeft2; }
std::string SplitterOf(const KestrinSettings& s) { return s.layout.SpSplit; }
std::string OutFnOf(const KestrinSettings& s) { return s.OutFn; }
std::string LikeNameSelectionOf(const KestrinSettings& s) { return s.SvLList; }
std::string TwoListSelectionOf(const KestrinSettings& s) { return s.SvULList; }

// The Dp choice, the ticked preference keywords and the options text.
std::string OptionsOf(const KestrinSettings& s) {
  std::string ticked;
  for (int i = 0; i < kPreferenceCount; ++i) {
    if (s.controls.preferences[i])
      ticked += std::string(PreferenceKeyword(static_cast<Preference>(i))) + ",";
  }
  return "dp=" + std::string(DpKeyword(static_cast<DpChoice>(s.controls.dp_choice))) +
         " ticked=" + ticked + " text=" + s.OptsUsed;
}

struct LoadCase {
  const char* lines;  // the section's lines after "[Kestrin]\n"
  Field field;
  std::string expected;
};

TEST(SettingsLoadTest, EachKeyFollowsItsRule) {
  const LoadCase cases[] = {
      {"TurnOffHint=0\n", TurnOffHintOf, "clear"},
      {"TurnOffHint=1\n", TurnOffHintOf, "ticked"},
      {"TurnOffHint=10\n", TurnOffHintOf, "ticked"},
      {"TurnOffHint=\n", TurnOffHintOf, "clear"},
      {"ViewResults=1\n", ViewResultsOf, "ticked"},
      {"ViewResults=2\n", ViewResultsOf, "clear"},
      {"ViewResults=yes\n", ViewResultsOf, "clear"},
      {"SbsRp=1\n", SbsRpOf, "ticked"},
      {"SbsRp=0\n", SbsRpOf, "clear"},
      {"OptsUsed=Dcpp Icas Xtab\n", OptionsOf, "dp=Dcpp ticked=Icas,Xtab, text=Dcpp Icas Xtab"},
      {"OptsUsed=icas\n", OptionsOf, "dp=None ticked=Icas, text=Icas"},
      {"OptsUsed=None\n", OptionsOf, "dp=None ticked= text=None"},
      {"OptsUsed=NONE Icas\n", OptionsOf, "dp=None ticked= text=None"},
      {"OptsUsed=junk words\n", OptionsOf, "dp=None ticked= text=None"},
      {"OptsUsed=\n", OptionsOf, "dp=None ticked= text=None"},
      {"OptsUsed=dUDC ccol SBSL\n", OptionsOf, "dp=Dudc ticked=Sbsl,Ccol, text=Dudc Ccol Sbsl"},
      {"OptsUsed=Icas\nOptsUsed=Dblk Fmvl\n", OptionsOf, "dp=Dblk ticked=Fmvl, text=Dblk Fmvl"},
      {"CmpSt2Col=5\n", NewRange2Of, ""},
      {"CmpSt1Col=2:30\n", NewRange1Of, "2:30"},
      {"CmpSt1Col=abc\n", NewRange1Of, ""},
      {"CmpOSt1Col=10\n", OldRange1Of, ""},
      {"CmpOSt2Col=3:eol\n", OldRange2Of, "3:eol"},
      {"SubC=x\n", SubcOf, "\"x\""},
      {"SubC=\n", SubcOf, "\".\""},
      {"SubC=\"y\"\n", SubcOf, "\"y\""},
      {"SubC=xyz\n", SubcOf, "\"x\""},
      {"SubC=\"ab\n", SubcOf, "\"ab"},
      {"Top=5\n", SubcOf, "\".\""},
      {"VLTop1=12345\n", SingleTopOf, "1234"},
      {"VLTop1=12\n", SingleTopOf, "12"},
      {"VLLeft2=-123456\n", DualLeftOf, "-123"},
      {"SpSplit=400\n", SplitterOf, "400"},
      {"PFontSz=123\n", PrintFontOf, "12"},
      {"VLFontSz=10\n", ListFontOf, "10"},
      {"PFontSz=\n", PrintFontOf, ""},
      {"OutFn=/tmp/report.txt\n", OutFnOf, "/tmp/report.txt"},
      {"Top=77\n", TopOf, "77"},
      {"Top=-5\n", TopOf, "-5"},
      {"Top= 12 \n", TopOf, "12"},
      {"Top=+8\n", TopOf, "8"},
      {"Top=abc\n", TopOf, "163"},
      {"Top=12x\n", TopOf, "163"},
      {"Top=\n", TopOf, "163"},
      {"Top=99999999999\n", TopOf, "163"},
      {"Top=40\nTop=oops\n", TopOf, "40"},
      {"Left=300\n", LeftOf, "300"},
      {"Left=3.5\n", LeftOf, "229"},
      {"top=5\n", TopOf, "5"},
      {"  Top = 6\n", TopOf, "6"},
      {"TOP=7\nTop=8\n", TopOf, "8"},
      {"TopX=9\n", TopOf, "163"},
      {"Top\n", TopOf, "163"},
      {"NewDirNm=/Data/New Files\n", NewNameOf, "/Data/New Files"},
      {"OLDDIRNM=/data/old\n", OldNameOf, "/data/old"},
      {"NewDirNm=a=b\n", NewNameOf, "a=b"},
      {"CompareType=2. All Like-Named Files\n", CompareTypeOf, "2. All Like-Named Files"},
      {"CompareType=nonsense\n", CompareTypeOf, "nonsense"},
      {"ListType=Ovsum\n", ListTypeOf, "Ovsum"},
      {"ListType=delta\n", ListTypeOf, "Delta"},
      {"ListType=Long\nListType=Bogus\n", ListTypeOf, "Long"},
      {"XTab=8\n", TabSizeOf, "8"},
      {"XTab=9\n", TabSizeOf, "4"},
      {"XTab=x\n", TabSizeOf, "4"},
      {"UdcYN=Maybe\n", DudcEmbeddedOf, "No"},
      {"DpEdUdc=%\n", DudcTagOf, "%"},
      {"UdcYN=Yes\n", DudcEmbeddedOf, "Yes"},
      {"SvLList=a.txt;b.txt;\n", LikeNameSelectionOf, "a.txt;b.txt;"},
      {"SvULList=a.txt : b.txt;\n", TwoListSelectionOf, "a.txt : b.txt;"},
      {"Unknown=1\nTop=3\n", TopOf, "3"},
      {"\n; a comment\nTop=4\n", TopOf, "4"},
  };
  for (const LoadCase& c : cases) {
    testkit::ScratchDirectory directory;
    const KestrinSettings settings =
        SettingsLoadedFromText(directory, std::string("[Kestrin]\n") + c.lines);
    EXPECT_EQ(c.field(settings), c.expected) << "section lines: " << c.lines;
  }
}

// A value that no control takes, or an options text with a word that is
// no keyword, is named with its key; the sound values are not.
TEST(SettingsLoadTest, RejectedValuesAreNamedWithTheirKeys) {
  testkit::ScratchDirectory directory;
  const std::string path = directory.PathOf("Kestrin.ini");
  testkit::WriteFile(path,
                    "[Kestrin]\nListType=Bogus\nListType=Long\nXTab=0\nUdcYN=yes\n"
                    "OptsUsed=Dcpp Icase\nOptsUsed=Icas\n");
  std::vector<RejectedValue> rejected;
  LoadSettings(path, DefaultFileSystem(), &rejected);
  std::string named;
  for (const RejectedValue& value : rejected) {
    named += value.key + "=" + value.value + ", " + value.reason + "\n";
  }
  EXPECT_EQ(named,
            "ListType=Bogus, which is not one of Chng, Delta, Long, Ovsum and is not used\n"
            "XTab=0, which is not one of 1, 2, 3, 4, 5, 6, 7, 8 and is not used\n"
            "OptsUsed=Dcpp Icase, in which Icase is no keyword\n");
}

TEST(SettingsLoadTest, OnlyTheKestrinSectionIsRead) {
  testkit::ScratchDirectory directory;
  const KestrinSettings settings = SettingsLoadedFromText(
      directory,
      "Top=1\n[Other]\nTop=2\nLeft=3\n [KESTRIN] \nLeft=4\n[Third]\nTop=5\n[kestrin]\nTop=6\n");
  EXPECT_EQ(settings.Top, 6);
  EXPECT_EQ(settings.Left, 4);
}

}  // namespace
}  // namespace kestrin
