// Viewer test helpers.
#include "tests/ui/common/viewer_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <filesystem>

#include "run/headless_run.h"
#include "tests/ui/common/main_support.h"
#include "ui/common/display_text.h"

namespace kestrin::viewer_testing {

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
  for (const char* name : {"new.c", "old.c"}) {
    std::filesystem::copy_file(KESTRIN_SOURCE_DIR "/tests/ui/common/data/" + std::string(name),
                               folder / name, std::filesystem::copy_options::overwrite_existing);
  }

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
  main_testing::EnsureApplication();
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

void RecordingViewerMessages::ShowMessage(QWidget*, const QString& text) {
  shown.push_back(text.toStdString());
}

void SettleWindows() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

}  // namespace kestrin::viewer_testing
