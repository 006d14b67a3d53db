// The engine's host for the batch program.
#include "cli/batch_host.h"

#include "cli/batch_texts.h"

namespace kestrin {
namespace {

// Carriage return, then erase to the end of the line.
constexpr std::string_view kRewriteLine = "\r\x1b[K";

}  // namespace

void BatchHost::SetStatus(const std::string& text) {
  if (!show_status_) return;
  if (terminal_) {
    err_ << kRewriteLine << text << std::flush;
    status_line_open_ = true;
  } else {
    err_ << text << '\n';
  }
}

bool BatchHost::AskYesNo(const std::string& question) {
  EndStatusLine();
  reported_trouble_ = true;
  err_ << question << kQuestionAnsweredNo << '\n';
  return false;
}

void BatchHost::ShowMessage(const std::string& text) {
  EndStatusLine();
  reported_trouble_ = true;
  err_ << text << '\n';
}

void BatchHost::EndStatusLine() {
  if (!status_line_open_) return;
  err_ << '\n';
  status_line_open_ = false;
}

}  // namespace kestrin
