// The Save As decisions: the dialog's defaults, the completed name, RTF by
// extension, and the stored name.
#include "views/save_as.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/main_support.h"
#include "tests/views/print_support.h"

namespace kestrin {
namespace {

TEST(SaveAsTest, TheDialogShowsItsTitleAndFileTypes) {
  const SaveDialogRequest request =
      SaveDialogFor(PrintPanel::kSingle, "", "/new/dir/", DefaultFileSystem());
  EXPECT_EQ(request.title, "Save Compare Results");
  std::string filters;
  for (const SaveFilter& filter : request.filters)
    filters += filter.name + "=" + filter.pattern + ";";
  EXPECT_EQ(filters, "Any File (*.*)=*.*;Text File (*.Txt)=*.txt;RTF Color File (*.Rtf)=*.Rtf;");
}

TEST(SaveAsTest, OnlyTheSinglePanelAsksBeforeReplacing) {
  EXPECT_TRUE(SaveDialogFor(PrintPanel::kSingle, "", "", DefaultFileSystem()).confirm_replace);
  EXPECT_FALSE(SaveDialogFor(PrintPanel::kDual, "", "", DefaultFileSystem()).confirm_replace);
}

TEST(SaveAsTest, TheDialogStartsAtTheLastSavedFileWhileItExists) {
  main_testing::MainScratch directory;
  const std::string saved = directory.Write("Report.txt", "x");
  struct Case {
    std::string out_fn;
    std::string new_directory;
    std::string start;
    std::string proposed;
  };
  const Case cases[] = {
      {saved, "/new/dir/", directory.Path() + "/", "Report.txt"},
      {directory.PathOf("gone.txt"), "/new/dir/", "/new/dir/", ""},
      {"", "/new/dir/", "/new/dir/", ""},
      // A directory typed without its trailing separator yields its parent.
      {"", "/new/dir", "/new/", ""},
      {"", "", "", ""},
      // A directory is not a saved file.
      {directory.Path(), "/new/", "/new/", ""},
  };
  for (const Case& c : cases) {
    const SaveDialogRequest request =
        SaveDialogFor(PrintPanel::kDual, c.out_fn, c.new_directory, DefaultFileSystem());
    EXPECT_EQ(request.start_directory, c.start) << c.out_fn << " / " << c.new_directory;
    EXPECT_EQ(request.proposed_name, c.proposed) << c.out_fn << " / " << c.new_directory;
  }
}

TEST(SaveAsTest, ANameWithoutExtensionGetsTxt) {
  struct Case {
    const char* chosen;
    const char* saved;
  };
  const Case cases[] = {
      {"/tmp/report", "/tmp/report.txt"},           {"/tmp/report.TXT", "/tmp/report.TXT"},
      {"/tmp/report.tdat", "/tmp/report.tdat"},     {"/tmp/report.rtf", "/tmp/report.rtf"},
      {"/tmp/v1.2/report", "/tmp/v1.2/report.txt"}, {"report", "report.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompleteSaveName(c.chosen), c.saved) << c.chosen;
}

TEST(SaveAsTest, RtfIsChosenByTheExtensionInAnyCase) {
  struct Case {
    const char* name;
    bool rtf;
  };
  const Case cases[] = {
      {"/tmp/a.rtf", true},      {"/tmp/a.RTF", true},  {"/tmp/a.Rtf", true},
      {"/tmp/a.rTf", true},      {"/tmp/a.txt", false}, {"/tmp/a.rtfx", false},
      {"/tmp/a.rtf.txt", false}, {"/tmp/rtf", false},   {"/tmp/x.rtf/a", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRtfName(c.name), c.rtf) << c.name;
}

TEST(SaveAsTest, TheStoredNameKeeps149Characters) {
  EXPECT_EQ(StoredSaveName(std::string(200, 'n')), std::string(149, 'n'));
  EXPECT_EQ(StoredSaveName("/tmp/a.txt"), "/tmp/a.txt");
}

}  // namespace
}  // namespace kestrin
