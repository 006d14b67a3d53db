// Print and save on Qt: a real report printed through a PDF printer in black
// and white and in colour (first pages kept as screenshots), the side-by-side
// save preference window, the save dialog's set-up and the busy display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/ui/main_support.h"
#include "tests/ui/viewer_support.h"
#include "tests/views/print_support.h"
#include "ui/print_save/print_qt_surface.h"
#include "ui/print_save/print_save_viewer.h"
#include "ui/print_save/rtf_qt_buffer.h"
#include "ui/print_save/save_qt_dialog.h"
#include "ui/print_save/sbs_window.h"
#include "views/print_operations.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

using print_testing::FileContent;
using print_testing::RecordingPorts;

constexpr char kStamp[] = "06/12/24 09:41";

// A viewer whose print dialog is answered with a PDF file printer, and whose
// other ports record what they are asked.
class PdfViewer {
 public:
  explicit PdfViewer(const std::string& pdf) : printer_(pdf), buffer_(printer_.printer()) {}

  ViewerOutputPorts& ports() { return ports_; }
  QPrinter& printer() { return printer_.printer(); }
  print_testing::RecordingFeedback& feedback() { return recorders_.feedback; }

 private:
  class PdfPrinterChooser : public PrinterChooser {
   public:
    explicit PdfPrinterChooser(const std::string& path) : printer_(QPrinter::HighResolution) {
      printer_.setOutputFormat(QPrinter::PdfFormat);
      printer_.setOutputFileName(QString::fromStdString(path));
      printer_.setPageSize(QPageSize(QPageSize::A4));
    }
    PrintSurface* ChoosePrinter() override { return &surface_; }
    QPrinter& printer() { return printer_; }

   private:
    QPrinter printer_;
    PrinterSurface surface_{printer_};
  };

  RecordingPorts recorders_{nullptr};
  PdfPrinterChooser printer_;
  DocumentRichTextBuffer buffer_;
  ViewerOutputPorts ports_{printer_,
                           buffer_,
                           recorders_.save_dialog,
                           recorders_.sbs_dialog,
                           recorders_.feedback,
                           DefaultFileSystem()};
};

// The full name of screenshot `name`, its directory made.
std::string ScreenshotPath(const std::string& name) {
  const std::string shots = std::string(KESTRIN_BINARY_DIR) + "/screenshots";
  std::filesystem::create_directories(shots);
  return shots + "/" + name;
}

// Converts the first page of `pdf` to screenshots/<name>.png and returns the
// text of that page.
std::string FirstPage(const std::string& pdf, const std::string& name) {
  const std::string png = ScreenshotPath(name);
  EXPECT_EQ(std::system(
                ("pdftoppm -png -r 70 -f 1 -l 1 -singlefile '" + pdf + "' '" + png + "'").c_str()),
            0);
  EXPECT_TRUE(std::filesystem::exists(png + ".png")) << png;
  const std::string text = pdf + ".txt";
  EXPECT_EQ(std::system(("pdftotext -layout -f 1 -l 1 '" + pdf + "' '" + text + "'").c_str()), 0);
  return FileContent(text);
}

std::string Caption(std::string_view title) {
  return std::string(kProductVersionTag) + std::string(title) + kStamp;
}

class PrintWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override { main_testing::EnsureApplication(); }

  main_testing::MainScratch directory_;
};

TEST_F(PrintWidgetTest, PrintsARealSinglePanelReportWithTitlesAndPageNumbers) {
  const ReportLines report = viewer_testing::RealReport(directory_.PathOf("run"), false);
  const std::string pdf = directory_.PathOf("single.pdf");
  PdfViewer viewer(pdf);
  PrintListing(
      PrintPanel::kSingle,
      {report, Caption(kSingleCaptionTitle), kStamp, std::string(kSingleHeader), "8", false, ""},
      viewer.ports());
  EXPECT_TRUE(viewer.feedback().messages.empty());
  const std::string page = FirstPage(pdf, "print_single_page1");
  EXPECT_NE(page.find("Single Panel Display of Comparison Report"), std::string::npos) << page;
  EXPECT_NE(page.find("Page   1"), std::string::npos) << page;
  // The text extraction squeezes runs of blanks.
  EXPECT_NE(page.find("Ref# ID New Src/Inserts/Deletes"), std::string::npos) << page;
  EXPECT_NE(page.find("New File = "), std::string::npos) << page;
  EXPECT_NE(page.find("RO-   int b = 2;"), std::string::npos) << page;
}

TEST_F(PrintWidgetTest, PrintsARealDualPanelReportInSections) {
  const ReportLines report = viewer_testing::RealReport(directory_.PathOf("run"), true);
  ASSERT_FALSE(report.Secondary.empty());
  const std::string pdf = directory_.PathOf("dual.pdf");
  PdfViewer viewer(pdf);
  PrintListing(PrintPanel::kDual,
               {report, Caption(kDualCaptionTitle), kStamp, std::nullopt, "9", true, ""},
               viewer.ports());
  EXPECT_TRUE(viewer.feedback().messages.empty());
  const std::string page = FirstPage(pdf, "print_dual_page1");
  EXPECT_NE(page.find("NewSrc and Insert Section"), std::string::npos) << page;
  EXPECT_NE(page.find("Page   1"), std::string::npos) << page;
}

TEST_F(PrintWidgetTest, PrintsARealReportInColourWithoutTitles) {
  const ReportLines report = viewer_testing::RealReport(directory_.PathOf("run"), true);
  const std::string pdf = directory_.PathOf("colour.pdf");
  PdfViewer viewer(pdf);
  PrintInColour(PrintPanel::kDual,
                {report, Caption(kDualCaptionTitle), kStamp, std::nullopt, "8", false, ""},
                viewer.ports());
  EXPECT_TRUE(viewer.feedback().messages.empty());
  EXPECT_EQ(viewer.printer().docName().toStdString(), "Kestrin SplitRichEdit Text");
  const std::string page = FirstPage(pdf, "print_colour_page1");
  EXPECT_NE(page.find("New Source and Insert Section"), std::string::npos) << page;
  EXPECT_EQ(page.find("Page"), std::string::npos) << page;
}

TEST_F(PrintWidgetTest, APdfFileThatCannotBeWrittenIsReported) {
  const ReportLines report = print_testing::SingleReport({"I - a"}, {});
  PdfViewer viewer(directory_.PathOf("missing/x.pdf"));
  PrintInColour(PrintPanel::kSingle, {report, "Cap", kStamp, std::nullopt, "8", false, ""},
                viewer.ports());
  EXPECT_EQ(print_testing::Joined(viewer.feedback().messages),
            "The printer could not start printing \"Kestrin SingleRichEdit Text\".");
}

template <typename Control>
Control* Child(QWidget& window, const char* name) {
  Control* control = window.findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

TEST_F(PrintWidgetTest, TheSideBySidePreferenceWindowShowsItsChoices) {
  TFrmSbS window;
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrin Side-by-Side Save File Preference");
  EXPECT_EQ(Child<QRadioButton>(window, "SbsRdSingle")->text().toStdString(),
            "Save as Single Two Part Stacked Report");
  EXPECT_EQ(Child<QRadioButton>(window, "SbsRdDouble")->text().toStdString(),
            "Save as Single Side-by-Side Report");
  EXPECT_EQ(Child<QCheckBox>(window, "SbsCkTitle")->text().toStdString(), "Title : Optional");
  EXPECT_EQ(Child<QCheckBox>(window, "SbsCkAppend")->text().toStdString(),
            "  Append to End Instead of Replace File");
  EXPECT_EQ(Child<QPushButton>(window, "SbsButUse")->text().toStdString(), "&Use");
  EXPECT_EQ(Child<QPushButton>(window, "SbsButCancel")->text().toStdString(), "&Cancel");
  ASSERT_NE(window.findChild<QLineEdit*>(QStringLiteral("SbsEdTitle")), nullptr);

  window.Prepare({true, 110, 202, false});
  window.adjustSize();
  EXPECT_TRUE(window.grab().save(QString::fromStdString(ScreenshotPath("sbs_window.png"))));
  EXPECT_EQ(Child<QLabel>(window, "SbsCapNorm")->text().toStdString(),
            "Output save line length = 110");
  EXPECT_EQ(Child<QLabel>(window, "SbsCapSbs")->text().toStdString(),
            "Output save line length = 202");
  EXPECT_TRUE(Child<QRadioButton>(window, "SbsRdSingle")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(window, "SbsCkAppend")->isEnabled());

  // The title and check boxes keep their state; the append box is disabled
  // when the file does not exist, whatever its earlier state.
  Child<QCheckBox>(window, "SbsCkTitle")->setChecked(true);
  Child<QLineEdit>(window, "SbsEdTitle")->setText(QStringLiteral("Release notes"));
  window.Prepare({false, 90, 182, true});
  Child<QCheckBox>(window, "SbsCkAppend")->setChecked(true);
  SbsAnswer answer = SbsAnswerFrom(window.Controls());
  EXPECT_FALSE(answer.stacked);
  EXPECT_EQ(answer.title.value_or("none"), "Release notes");
  EXPECT_TRUE(answer.append);
  window.Prepare({false, 90, 182, false});
  answer = SbsAnswerFrom(window.Controls());
  EXPECT_FALSE(answer.append);
  EXPECT_TRUE(Child<QCheckBox>(window, "SbsCkAppend")->isChecked());
}

TEST_F(PrintWidgetTest, TheSideBySidePreferenceWindowAnswersUseAndCancel) {
  TFrmSbS window;
  QTimer::singleShot(0, &window, [&window] { Child<QPushButton>(window, "SbsButUse")->click(); });
  std::optional<SbsAnswer> answer = window.AskSbsPreference({true, 90, 182, false});
  ASSERT_TRUE(answer);
  EXPECT_TRUE(answer->stacked);
  QTimer::singleShot(0, &window, [&window] { window.reject(); });
  EXPECT_FALSE(window.AskSbsPreference({true, 90, 182, false}));
}

TEST_F(PrintWidgetTest, TheSaveDialogIsSetUpFromTheRequest) {
  SaveDialogRequest request;
  request.title = "Save Compare Results";
  request.filters = {{"Any File (*.*)", "*.*"}, {"Text File (*.Txt)", "*.txt"}};
  request.start_directory = directory_.Path();
  request.proposed_name = "report.txt";
  for (bool confirm : {true, false}) {
    request.confirm_replace = confirm;
    QFileDialog dialog;
    ConfigureSaveDialog(dialog, request);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Save Compare Results");
    EXPECT_EQ(dialog.nameFilters().join(QStringLiteral("|")).toStdString(),
              "Any File (*.*)|Text File (*.Txt)");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
    EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !confirm);
    EXPECT_EQ(std::filesystem::path(dialog.directory().absolutePath().toStdString()),
              std::filesystem::path(directory_.Path()));
  }
}

TEST_F(PrintWidgetTest, TheViewerShowsBusyWhileColouredRtfIsBuilt) {
  QWidget viewer;
  QLabel band(QString::fromLatin1(kRtfBandMessage.data(), kRtfBandMessage.size()), &viewer);
  QPushButton return_button(QStringLiteral("&Return"), &viewer);
  band.hide();
  viewer.show();
  TFrmSbS sbs;
  ViewerOutputs outputs(PrintPanel::kSingle, viewer, band, return_button, sbs);
  outputs.SetBusy(true);
  EXPECT_TRUE(band.isVisible());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  outputs.SetBusy(false);
  EXPECT_FALSE(band.isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kestrin
