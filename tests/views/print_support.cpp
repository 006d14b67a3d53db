#include "tests/views/print_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>

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

void RecordingRichText::SetColour(Rgb colour) {
  colour_changes.push_back(colour);
  ColouredLineBuffer::SetColour(colour);
}

bool RecordingRichText::Print(const std::string& job_title) {
  print_jobs.push_back(job_title);
  return !fail_print;
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
  report.Primary = listing;
  report.Primary.insert(report.Primary.end(), summary.begin(), summary.end());
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
  report.Secondary = right;
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

namespace {

// Reads one RTF document left to right.
class RtfReader {
 public:
  explicit RtfReader(const std::string& rtf) : rtf_(rtf) {}

  RtfReading Read() {
    while (at_ < rtf_.size() && reading_.error.empty()) Step();
    if (reading_.error.empty() && depth_ != 0) reading_.error = "unbalanced braces";
    return reading_;
  }

 private:
  void Step() {
    const char c = rtf_[at_++];
    if (c == '{') {
      ++depth_;
    } else if (c == '}') {
      if (depth_ == destination_depth_) destination_.clear();
      --depth_;
    } else if (c == '\\') {
      Control();
    } else if (c != '\n' && c != '\r') {
      Text(static_cast<unsigned char>(c));
    }
  }

  void Control() {
    if (at_ >= rtf_.size()) return Fail("backslash at the end");
    const char next = rtf_[at_];
    if (next == '\\' || next == '{' || next == '}') {
      ++at_;
      return Text(static_cast<unsigned char>(next));
    }
    if (next == '\'') {
      if (at_ + 3 > rtf_.size()) return Fail("short \\'");
      const int value = std::stoi(rtf_.substr(at_ + 1, 2), nullptr, 16);
      at_ += 3;
      return Text(static_cast<char16_t>(value));
    }
    std::string word;
    while (at_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[at_]))) {
      word += rtf_[at_++];
    }
    std::string number;
    if (at_ < rtf_.size() && rtf_[at_] == '-') number += rtf_[at_++];
    while (at_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at_]))) {
      number += rtf_[at_++];
    }
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;
    Word(word, number.empty() ? 0 : std::stoi(number));
  }

  void Word(const std::string& word, int value) {
    if (word == "fonttbl" || word == "colortbl") {
      destination_ = word;
      destination_depth_ = depth_;
    } else if (word == "red") {
      pending_.red = static_cast<uint8_t>(value);
    } else if (word == "green") {
      pending_.green = static_cast<uint8_t>(value);
    } else if (word == "blue") {
      pending_.blue = static_cast<uint8_t>(value);
    } else if (word == "fs") {
      reading_.half_points = value;
    } else if (word == "cf") {
      if (value < 0 || static_cast<size_t>(value) > reading_.colour_table.size()) {
        return Fail("colour " + std::to_string(value) + " not in the table");
      }
      colour_ = value == 0 ? Rgb{0, 0, 0} : reading_.colour_table[static_cast<size_t>(value) - 1];
    } else if (word == "par") {
      reading_.lines.push_back({Utf8(line_), colour_});
      line_.clear();
    } else if (word == "u") {
      Text(static_cast<char16_t>(value < 0 ? value + 65536 : value));
      if (at_ < rtf_.size()) ++at_;  // the fallback character
    } else if (word == "tab") {
      Text(u'\t');
    }
    // Other words (rtf1, ansi, pard, plain, f0, fmodern, ...) set nothing we check.
  }

  void Text(char16_t unit) {
    if (destination_ == "colortbl") {
      if (unit == ';') {
        if (seen_auto_colour_) reading_.colour_table.push_back(pending_);
        seen_auto_colour_ = true;
        pending_ = Rgb{0, 0, 0};
      }
    } else if (destination_ == "fonttbl") {
      if (unit != ';') reading_.font += static_cast<char>(unit);
    } else if (depth_ == 1) {
      line_ += unit;
    }
  }

  static std::string Utf8(const std::u16string& units) {
    std::string text;
    for (size_t i = 0; i < units.size(); ++i) {
      char32_t code = units[i];
      if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size()) {
        code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
      }
      if (code < 0x80) {
        text += static_cast<char>(code);
      } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
      } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
      } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
      }
    }
    return text;
  }

  void Fail(const std::string& why) { reading_.error = why + " at byte " + std::to_string(at_); }

  const std::string& rtf_;
  size_t at_ = 0;
  int depth_ = 0;
  std::string destination_;
  int destination_depth_ = -1;
  Rgb pending_{0, 0, 0};
  bool seen_auto_colour_ = false;
  Rgb colour_{0, 0, 0};
  std::u16string line_;
  RtfReading reading_;
};

}  // namespace

RtfReading ReadRtf(const std::string& rtf) { return RtfReader(rtf).Read(); }

std::string ColourText(Rgb colour) {
  return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue);
}

std::string FileContent(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

PageGeometry BeginMeasuredDocument(RecordingPrintSurface& surface, PrintPanel panel) {
  EXPECT_TRUE(surface.BeginDocument());
  const std::optional<PageGeometry> geometry = MeasurePage(surface, 8, panel);
  EXPECT_TRUE(geometry);
  return geometry.value_or(PageGeometry());
}

}  // namespace kestrin::print_testing
