#include "tests/views/print_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>

#include "tests/common/line_lists.h"

namespace kestrin::print_testing {

RecordingPrintSurface::RecordingPrintSurface(int page_width, int page_height, int character_width,
                                             int line_height, int bold_width)
    : page_width_(page_width),
      page_height_(page_height),
      character_width_(character_width),
      line_height_(line_height),
      bold_width_(bold_width) {}

bool RecordingPrintSurface::BeginDocument() {
  if (fail_begin) return false;
  begun = true;
  pages = 1;
  return true;
}

void RecordingPrintSurface::NewPage() { ++pages; }

void RecordingPrintSurface::EndDocument() { ended = true; }

int RecordingPrintSurface::TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * (bold_ ? bold_width_ : character_width_);
}

int RecordingPrintSurface::TextHeight(const std::string&) { return line_height_; }

void RecordingPrintSurface::TextOut(int x, int y, const std::string& text) {
  texts.push_back({pages, x, y / line_height_, text, bold_});
}

std::vector<std::string> RecordingPrintSurface::PageLines(int page) const {
  std::vector<std::string> lines;
  for (const PrintedText& printed : texts) {
    if (printed.page != page) continue;
    lines.push_back(std::to_string(printed.line) + ":" + (printed.bold ? "*" : "") + printed.text);
  }
  return lines;
}

std::optional<PrintedText> RecordingPrintSurface::Find(const std::string& text) const {
  for (const PrintedText& printed : texts) {
    if (printed.text == text) return printed;
  }
  return std::nullopt;
}

PrintSurface* AnsweringPrinter::ChoosePrinter() {
  ++asked;
  return surface_;
}

std::optional<std::string> AnsweringSaveDialog::AskSaveName(const SaveDialogRequest& request) {
  requests.push_back(request);
  return answer;
}

std::optional<SbsAnswer> AnsweringSbsDialog::AskSbsPreference(const SbsRequest& request) {
  requests.push_back(request);
  return answer;
}

bool RecordingFeedback::AskYesNo(const std::string& question) {
  questions.push_back(question);
  return yes;
}

void RecordingFeedback::SetBusy(bool busy) { busy_changes.push_back(busy ? "busy" : "idle"); }

RecordingPorts::RecordingPorts(PrintSurface* surface)
    : printer(surface), ports{printer,    colour_buffer, save_dialog,
                              sbs_dialog, feedback,      DefaultFileSystem()} {}

ReportLines SingleReport(const std::vector<std::string>& listing,
                         const std::vector<std::string>& summary) {
  ReportLines report;
  report.Primary = StoredOf(listing);
  for (const std::string& line : summary) report.Primary.push_back(line);
  report.SummaryStarted = !summary.empty();
  report.SummaryStartIndex = static_cast<int32_t>(listing.size());
  return report;
}

ReportLines DualReport(const std::vector<std::string>& inserts,
                       const std::vector<std::string>& deletes,
                       const std::vector<std::string>& summary) {
  std::vector<std::string> left = inserts;
  std::vector<std::string> right = deletes;
  while (left.size() < right.size()) left.push_back(" ");
  while (right.size() < left.size()) right.push_back(" ");
  ReportLines report = SingleReport(left, summary);
  report.Secondary = StoredOf(right);
  report.settings.Sbsl = true;
  return report;
}

std::vector<std::string> NumberedLines(int count, const std::string& flag) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back(flag + "line " + std::to_string(i));
  return lines;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) {
    if (!joined.empty()) joined += "|";
    joined += text;
  }
  return joined;
}

ReportLines FilledReport(std::vector<std::string> primary, std::vector<std::string> secondary,
                         int summary_start) {
  ReportLines report;
  report.Primary = StoredOf(primary);
  report.Secondary = StoredOf(secondary);
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

}  // namespace kestrin::print_testing
