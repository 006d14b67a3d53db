// The Save As decisions: the dialog's defaults, the completed name, RTF by
// extension, and the stored name.
#include "views/save_as.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"
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

TEST(SaveAsTest, ChosenNames) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/save_names.txt")) {
    EXPECT_EQ(CompleteSaveName(c[0]), c[1]) << c.Where();
    EXPECT_EQ(IsRtfName(c[0]), c.Flag(2)) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
