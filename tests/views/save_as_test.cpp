// The Save As decisions: the dialog's defaults, the completed name, RTF by
// extension, the stored name, and the side-by-side choice the window's
// controls give.
#include "views/save_as.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "views/print_save_texts.h"
#include "views/sbs_preference.h"

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

// A ticked append box left from an earlier save appends only when the file
// now exists; a ticked title box without a title adds no line.
TEST(SbsPreferenceTest, AppendOnlyToAnExistingFileAndATitleOnlyWhenThereIsOne) {
  for (const bool exists : {false, true}) {
    for (const bool ticked : {false, true}) {
      SbsControls controls;
      controls.title_checked = true;
      controls.append_checked = ticked;
      PrepareSbsControls(controls, SbsRequest{.stacked = true, .file_exists = exists});
      const SbsAnswer answer = SbsAnswerFrom(controls);
      EXPECT_EQ(answer.append, exists && ticked) << "exists " << exists << ", ticked " << ticked;
      EXPECT_TRUE(answer.stacked);
      EXPECT_FALSE(answer.title.has_value());
    }
  }
}

}  // namespace
}  // namespace kestrin
