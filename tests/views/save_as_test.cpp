// The Save As decisions: the dialog's defaults, the completed name, RTF by
// extension, and the stored name.
#include "views/save_as.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

TEST(SaveAsTest, TheDialogStartsAtTheLastSavedFileWhileItExists) {
  testkit::ScratchDirectory directory;
  const std::string saved = directory.Write("Report.txt", "x");
  struct Case {
    PrintPanel panel;
    std::string out_fn;
    std::string new_directory;
    std::string start;
    std::string proposed;
  };
  const Case cases[] = {
      {PrintPanel::kDual, saved, "/new/dir/", directory.path() + "/", "Report.txt"},
      {PrintPanel::kSingle, directory.PathOf("gone.txt"), "/new/dir/", "/new/dir/", ""},
      {PrintPanel::kDual, "", "/new/dir/", "/new/dir/", ""},
      // A directory typed without its trailing separator yields its parent.
      {PrintPanel::kSingle, "", "/new/dir", "/new/", ""},
      {PrintPanel::kDual, "", "", "", ""},
      // A directory is not a saved file.
      {PrintPanel::kDual, directory.path(), "/new/", "/new/", ""},
  };
  for (const Case& c : cases) {
    const SaveDialogRequest request =
        SaveDialogFor(c.panel, c.out_fn, c.new_directory, DefaultFileSystem());
    EXPECT_EQ(request.start_directory, c.start) << c.out_fn << " / " << c.new_directory;
    EXPECT_EQ(request.proposed_name, c.proposed) << c.out_fn << " / " << c.new_directory;
    // Only the single panel asks before replacing.
    EXPECT_EQ(request.confirm_replace, c.panel == PrintPanel::kSingle) << c.out_fn;
  }
}

// A name without an extension gets ".txt"; RTF is chosen by the extension in
// any letter case.
TEST(SaveAsTest, ChosenNames) {
  struct Case {
    const char* chosen;
    const char* saved;
    bool rtf;
  };
  const Case cases[] = {
      {"/tmp/report", "/tmp/report.txt", false},
      {"/tmp/report.TXT", "/tmp/report.TXT", false},
      {"/tmp/report.tdat", "/tmp/report.tdat", false},
      {"/tmp/v1.2/report", "/tmp/v1.2/report.txt", false},
      {"report", "report.txt", false},
      {"/tmp/a.rtf", "/tmp/a.rtf", true},
      {"/tmp/a.RTF", "/tmp/a.RTF", true},
      {"/tmp/a.rTf", "/tmp/a.rTf", true},
      {"/tmp/a.rtfx", "/tmp/a.rtfx", false},
      {"/tmp/a.rtf.txt", "/tmp/a.rtf.txt", false},
      {"/tmp/rtf", "/tmp/rtf.txt", false},
      {"/tmp/x.rtf/a", "/tmp/x.rtf/a.txt", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompleteSaveName(c.chosen), c.saved) << c.chosen;
    EXPECT_EQ(IsRtfName(c.chosen), c.rtf) << c.chosen;
  }
}

}  // namespace
}  // namespace kestrin
