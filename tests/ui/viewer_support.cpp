// Viewer test helpers.
#include "tests/ui/viewer_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "run/headless_run.h"
#include "tests/ui/main_support.h"
#include "ui/common/display_text.h"

namespace kestrin::viewer_testing {
namespace {

// The new and old files of the real compare: a reformatted line, three lines
// moved, one deleted, two inserted (one in UTF-8) and a deleted line in
// Latin-1.
constexpr char kNewFile[] =
    "int main() {\n"
    "  int a = 1;\n"
    "  int b = 2;\n"
    "  print(a+b);\n"
    "  alpha();\n"
    "  beta();\n"
    "  gamma();\n"
    "  delta();\n"
    "  epsilon();\n"
    "  zeta();\n"
    "  eta();\n"
    "  theta();\n"
    "  return 0;\n"
    "}\n"
    "// added: Gr\xC3\xBC\xC3\x9F"
    "e aus K\xC3\xB6ln\n"
    "// added line two\n";
constexpr char kOldFile[] =
    "int main() {\n"
    "  int a = 1;\n"
    "  int  b  =  2;\n"
    "  print(a+b);\n"
    "  zeta();\n"
    "  eta();\n"
    "  theta();\n"
    "  removed(\"Gr\xFC\xDF"
    "e\");\n"
    "  alpha();\n"
    "  beta();\n"
    "  gamma();\n"
    "  delta();\n"
    "  epsilon();\n"
    "  return 0;\n"
    "}\n";

void WriteFile(const std::filesystem::path& path, const char* bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace

void EnsureViewerApplication() {
  if (QApplication::instance() != nullptr) return;
  main_testing::UseTestPlatform();
  static int argc = 1;
  static char name[] = "kestrin_viewer_tests";
  static char* argv[] = {name, nullptr};
  // Lives until the program ends, as the windows of the tests may.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

ReportLines FilledReport(std::vector<std::string> primary, std::vector<std::string> secondary,
                         int summary_start) {
  ReportLines report;
  report.Primary = std::move(primary);
  report.Secondary = std::move(secondary);
  if (summary_start >= 0) {
    report.SummaryStarted = true;
    report.SummaryStartIndex = summary_start;
  }
  report.settings.ListingType = ListingKind::kLong;
  report.settings.Long = true;
  report.settings.ListingTypeText = "Long";
  report.totals.insertions = 1;
  return report;
}

std::vector<std::string> NumberedLines(int count, const std::string& stem) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%.5d", i);
    lines.push_back("    " + std::string(number) + " " + stem + " " + std::to_string(i));
  }
  return lines;
}

ReportLines RealReport(const std::string& directory, bool side_by_side) {
  const std::filesystem::path folder(directory);
  std::filesystem::create_directories(folder);
  WriteFile(folder / "new.c", kNewFile);
  WriteFile(folder / "old.c", kOldFile);

  HeadlessRequest request;
  request.new_name = (folder / "new.c").string();
  request.old_name = (folder / "old.c").string();
  request.controls.listing_type_text = "Long";
  request.controls.SetChecked(Preference::kFmvl, true);
  request.controls.SetChecked(Preference::kLorl, true);
  request.controls.SetChecked(Preference::kSbsl, side_by_side);
  return RunHeadless(request, DefaultFileSystem()).report;
}

ViewerRig::ViewerRig(const ViewerLayout& stored) : layout(stored) {
  EnsureViewerApplication();
  viewers_ = std::make_unique<ReportViewers>(layout, main_window, messages);
}

void ViewerRig::Show(const ReportLines& report,
                     const std::function<void(ViewerWindow&)>& while_open) {
  viewers_->SetModalShow([&](QDialog& dialog) {
    dialog.show();
    SettleWindows();
    while_open(dynamic_cast<ViewerWindow&>(dialog));
    dialog.close();
    SettleWindows();
  });
  viewers_->ShowReportViewer(report);
}

void SettleWindows() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

// Every control of a viewer's top band carries its caption, hint and name.
void ExpectViewerBand(ViewerWindow& viewer, const ViewerBandTexts& texts) {
  for (const ViewerControlText* control :
       {&texts.return_button, &texts.top_button, &texts.bottom_button, &texts.legend_button,
        &texts.find_button, &texts.print_button, &texts.color_button, &texts.save_as_button}) {
    auto* button = viewer.findChild<QPushButton*>(DisplayText(control->name));
    ASSERT_NE(button, nullptr) << control->name;
    EXPECT_EQ(button->text(), DisplayText(control->caption)) << control->name;
    EXPECT_EQ(button->toolTip(), DisplayText(control->hint)) << control->name;
  }
  auto* no_ref = viewer.findChild<QCheckBox*>(DisplayText(texts.print_no_ref.name));
  ASSERT_NE(no_ref, nullptr);
  EXPECT_EQ(no_ref->text(), QStringLiteral("Print No Ref#"));
  EXPECT_EQ(no_ref->toolTip(), QStringLiteral("Omit Reference Numbers in Printer Output"));
  auto* list_size = viewer.findChild<QComboBox*>(DisplayText(texts.list_font_size.name));
  auto* print_size = viewer.findChild<QComboBox*>(DisplayText(texts.print_font_size.name));
  ASSERT_NE(list_size, nullptr);
  ASSERT_NE(print_size, nullptr);
  EXPECT_EQ(list_size->toolTip(), DisplayText(texts.list_font_size.hint));
  EXPECT_EQ(print_size->toolTip(), QStringLiteral("Specify Print \"Courier New\" Font Size"));
  QStringList list_choices, print_choices;
  for (int i = 0; i < list_size->count(); ++i) list_choices << list_size->itemText(i);
  for (int i = 0; i < print_size->count(); ++i) print_choices << print_size->itemText(i);
  EXPECT_EQ(list_choices.join(','), QStringLiteral("8,9,10,11,12"));
  EXPECT_EQ(print_choices.join(','), QStringLiteral("6,8,9,10,11,12"));
  QStringList labels;
  for (const QLabel* label : viewer.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(DisplayText(texts.list_font_size.caption)));
  EXPECT_TRUE(labels.contains(QStringLiteral("Print Font Sz")));
  EXPECT_TRUE(labels.contains(QStringLiteral("New Dir = ")));
  EXPECT_TRUE(labels.contains(QStringLiteral("Old  Dir = ")));
  EXPECT_TRUE(viewer.ReturnButton().isDefault());
  EXPECT_TRUE(viewer.RtfBand().isHidden());
  EXPECT_EQ(viewer.RtfBand().text(),
            QStringLiteral("System is in a disabled state processing a colored RTF request."));
}

void RecordingViewerMessages::ShowMessage(QWidget*, const QString& text) {
  shown.push_back(text.toStdString());
}

}  // namespace kestrin::viewer_testing
