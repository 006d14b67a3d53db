// Test doubles and helpers for the engine spine's tests.
#include "engine_support.h"

#include <sstream>
#include <stdexcept>

namespace kestrin::engine_support {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

void RecordingReport::ReportStep(CompareRun& run) {
  calls.push_back("Step(" + std::to_string(run.state.CurrentPair) + ")");
  steps.push_back({run.state.CurrentPair, run.pair});
  if (on_step) on_step(run);
}

ControlValues ControlsOf(const std::string& words) {
  ControlValues controls;
  std::istringstream in(words);
  std::string keywords;
  for (std::string word; in >> word;) {
    const std::string value = word.substr(word.find('=') + 1);
    if (word.starts_with("dp=")) controls.dp_choice = std::stoi(value);
    if (word.starts_with("tab=")) controls.tab_size_text = value;
    if (word.starts_with("subc=")) controls.subc_text = value;
    if (word.starts_with("embedded=")) controls.dudc_embedded = value;
    if (word.starts_with("range=")) controls.new_range1 = value;
    if (word.starts_with("old2=")) controls.old_range2 = value;
    if (word.find('=') == std::string::npos) keywords += word + " ";
  }
  controls.preferences = ParseOptionsText(keywords).preferences;
  return controls;
}

void OpenSideFile(FileSystem& fs, const std::string& path, SideFile& side) {
  int error = 0;
  side.file_name = path;
  side.handle = fs.OpenRead(path, &error);
  if (side.handle == nullptr || !side.handle->SeekToEnd(&side.file_size) || !side.handle->Seek(0)) {
    throw std::runtime_error("cannot open " + path);
  }
  side.file_age = side.handle->ModifiedTime();
}

std::string ReadRemainingLines(SideFile& side) {
  std::string lines;
  const char* separator = "";
  for (ReadLine(side); !side.AtEof; ReadLine(side)) {
    lines += separator;
    separator = "|";
    lines.append(side.LineBuffer, static_cast<size_t>(side.line_length));
  }
  return lines;
}

}  // namespace kestrin::engine_support
