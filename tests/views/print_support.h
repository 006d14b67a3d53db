// Helpers for the print and save tests: a recording print surface, a
// recording rich-text buffer, answering dialogs and feedback, sample reports
// and an RTF reader.
#ifndef KESTRIN_TESTS_VIEWS_PRINT_SUPPORT_H_
#define KESTRIN_TESTS_VIEWS_PRINT_SUPPORT_H_

#include <optional>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "tests/common/recording_fakes.h"
#include "views/print_page.h"
#include "views/print_save_ports.h"
#include "views/print_surface.h"
#include "views/rtf_buffer.h"

namespace kestrin::print_testing {

// A printer of fixed-pitch characters: every character `character_width`
// wide (`bold_width` in bold), every line `line_height` high.
class RecordingPrintSurface : public PrintSurface {
 public:
  RecordingPrintSurface(int page_width, int page_height, int character_width = 10,
                        int line_height = 20, int bold_width = 10)
      : page_width_(page_width),
        page_height_(page_height),
        character_width_(character_width),
        line_height_(line_height),
        bold_width_(bold_width) {}

  bool BeginDocument() override {
    begun = !fail_begin;
    pages = begun ? 1 : 0;
    return begun;
  }
  void NewPage() override { ++pages; }
  void EndDocument() override { ended = true; }
  int PageWidth() override { return page_width_; }
  int PageHeight() override { return page_height_; }
  int TextWidth(const std::string& text) override {
    return static_cast<int>(text.size()) * (bold_ ? bold_width_ : character_width_);
  }
  int TextHeight(const std::string&) override { return line_height_; }
  void TextOut(int x, int y, const std::string& text) override {
    texts.push_back("p" + std::to_string(pages) + " x" + std::to_string(x) + " " +
                    std::to_string(y / line_height_) + ":" + (bold_ ? "*" : "") + text);
  }
  void SetFontName(const std::string& name) override { font_name = name; }
  void SetFontSize(int points) override { font_points = points; }
  void SetBold(bool bold) override { bold_ = bold; }

  // Every text printed, in order, as "p<page> x<x> <line>:<text>" (the line
  // is y div the line height), bold ones marked "*".
  std::vector<std::string> texts;

  bool fail_begin = false;
  bool begun = false;
  bool ended = false;
  int pages = 0;
  std::string font_name;
  int font_points = 0;

 private:
  int page_width_, page_height_, character_width_, line_height_, bold_width_;
  bool bold_ = false;
};

// A rich-text buffer that records its print jobs.
struct RecordingRichText : ColouredLineBuffer {
  bool Print(const std::string& job_title) override {
    print_jobs.push_back(job_title);
    return true;
  }

  std::vector<std::string> print_jobs;
};

// The print dialog: counts its openings and chooses `surface`.
struct AnsweringPrinter : PrinterChooser {
  explicit AnsweringPrinter(PrintSurface* chosen) : surface(chosen) {}
  PrintSurface* ChoosePrinter() override {
    ++asked;
    return surface;
  }
  PrintSurface* surface;  // null: the dialog is cancelled
  int asked = 0;
};

struct AnsweringSaveDialog : SaveDialog {
  std::optional<std::string> AskSaveName(const SaveDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<std::string> answer;  // nullopt: cancelled
  std::vector<SaveDialogRequest> requests;
};

struct AnsweringSbsDialog : SbsPreferenceDialog {
  std::optional<SbsAnswer> AskSbsPreference(const SbsRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<SbsAnswer> answer;  // nullopt: cancelled
  std::vector<SbsRequest> requests;
};

// The viewer's feedback: logs "ask:<question>" (answered from `answers`, No
// when none is left), "message:<text>", "busy:busy", "busy:idle" and "focus".
class RecordingFeedback : public testkit::Recording<ViewerFeedback> {
 public:
  RecordingFeedback() : Recording(nullptr) {}
  void SetBusy(bool busy) override { log.Add(busy ? "busy:busy" : "busy:idle"); }
  void FocusReturnButton() override { log.Add("focus"); }
};

// Every port of a viewer, answered by the recorders above.
struct RecordingPorts {
  explicit RecordingPorts(PrintSurface* surface)
      : printer(surface), ports{printer,    colour_buffer, save_dialog,
                                sbs_dialog, feedback,      DefaultFileSystem()} {}
  AnsweringPrinter printer;
  RecordingRichText colour_buffer;
  AnsweringSaveDialog save_dialog;
  AnsweringSbsDialog sbs_dialog;
  RecordingFeedback feedback;
  ViewerOutputPorts ports;
};

// A single-panel report: `listing` lines, then `summary` summary lines.
ReportLines SingleReport(const std::vector<std::string>& listing,
                         const std::vector<std::string>& summary);
// A side-by-side report: the two listing sides (padded to the same length
// with one-blank lines) and the summary in Primary.
ReportLines DualReport(const std::vector<std::string>& inserts,
                       const std::vector<std::string>& deletes,
                       const std::vector<std::string>& summary);
// `count` listing lines "I - line <n>".
std::vector<std::string> NumberedLines(int count);

// The rows a case table names: "<n> lines" for NumberedLines(n), else rows
// with ';' between them.
std::vector<std::string> Rows(const std::string& field);

// A report holding `primary` and `secondary`; with `summary_start` >= 0 its
// summary starts at that Primary line.
ReportLines FilledReport(std::vector<std::string> primary, std::vector<std::string> secondary = {},
                         int summary_start = -1);

}  // namespace kestrin::print_testing

#endif  // KESTRIN_TESTS_VIEWS_PRINT_SUPPORT_H_
