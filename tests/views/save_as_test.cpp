// The Save As decisions: the dialog's defaults, the completed name, RTF by
// extension, and the stored name.
#include "views/save_as.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

TEST(SaveAsTest, TheDialogStartsAtTheLastSavedFileWhileItExists) {
  testkit::ScratchDirectory directory;
  directory.Write("Report.txt", "x");
  const auto placed = [&](std::string text) {
    if (text.starts_with("<dir>")) text.replace(0, 5, directory.path());
    return text;
  };
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/save_dialog_starts.txt")) {
    const PrintPanel panel = c[0] == "single" ? PrintPanel::kSingle : PrintPanel::kDual;
    const SaveDialogRequest request = SaveDialogFor(panel, placed(c[1]), c[2], DefaultFileSystem());
    EXPECT_EQ(request.start_directory, placed(c[3])) << c.Where();
    EXPECT_EQ(request.proposed_name, c[4]) << c.Where();
    EXPECT_EQ(request.confirm_replace, panel == PrintPanel::kSingle) << c.Where();
    std::string filters;
    for (const SaveFilter& filter : request.filters) {
      filters += (filters.empty() ? "" : "|") + filter.name + "|" + filter.pattern;
    }
    EXPECT_EQ(filters, kSaveDialogFilter) << c.Where();
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
