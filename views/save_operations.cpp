#include "views/save_operations.h"

#include <optional>
#include <string>

#include "report/report_format.h"
#include "views/print_save_texts.h"
#include "views/rtf_colour_build.h"
#include "views/save_text_file.h"
#include "views/save_text_layout.h"

namespace kestrin {
namespace {

// The name to save under, or nullopt when the user gave none. The single
// panel's dialog asked about the chosen name; when ".txt" makes it name
// another existing file, the user is asked again before it is replaced.
std::optional<std::string> AskSaveName(PrintPanel panel, const ViewerOutputState& state,
                                       SaveChoices choices, ViewerOutputPorts& ports) {
  const std::optional<std::string> chosen = ports.save_dialog.AskSaveName(
      SaveDialogFor(panel, choices.OutFn, state.new_directory_text, ports.files));
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string name = CompleteSaveName(*chosen);
  if (panel == PrintPanel::kSingle && name != *chosen && ports.files.IsFile(name) &&
      !ports.feedback.AskYesNo(FormatText(kReplaceFileQuestionFormat, name.c_str()))) {
    return std::nullopt;
  }
  return name;
}

// Returns the failure message, empty on success.
std::string SaveRtf(PrintPanel panel, const ViewerOutputState& state, const std::string& name,
                    ViewerOutputPorts& ports) {
  BusyScope busy(ports.feedback);
  ColourRtfBuild(ports.colour_buffer, panel,
                 {state.report, state.caption, state.print_no_row_numbers, RichTextMode::kSave});
  return ports.colour_buffer.SaveAsRtf(name);
}

std::string SaveSinglePanelText(const ViewerOutputState& state, const std::string& name) {
  OutputFile file;
  if (file.Open(name, false) && WriteSinglePanelText(state.report, state.caption, file)) {
    file.Close();
  }
  return file.failure();
}

// Asks the preference window and writes the chosen layout. Returns the
// failure message, empty on success and when the user cancelled (nothing is
// written or stored then).
std::string SaveDualPanelText(const ViewerOutputState& state, const std::string& name,
                              SaveChoices choices, ViewerOutputPorts& ports) {
  const SaveWidths widths = DualSaveWidths(state.report);
  const std::optional<SbsAnswer> answer = ports.sbs_dialog.AskSbsPreference(
      {choices.SbsRp, widths.Stacked(), widths.SideBySide(), ports.files.IsFile(name)});
  if (!answer) return std::string();
  choices.OutFn = StoredSaveName(name);
  choices.SbsRp = answer->stacked;

  OutputFile file;
  const bool written =
      file.Open(name, answer->append) && (!answer->title || file.WriteLine(*answer->title)) &&
      (answer->stacked ? WriteStackedText(state.report, state.run_stamp, file)
                       : WriteSideBySideText(state.report, state.run_stamp, widths, file));
  if (written) file.Close();
  return file.failure();
}

}  // namespace

void SaveReport(PrintPanel panel, const ViewerOutputState& state, SaveChoices choices,
                ViewerOutputPorts& ports) {
  ReturnFocusScope focus(ports.feedback);
  const std::optional<std::string> name = AskSaveName(panel, state, choices, ports);
  if (!name) return;
  std::string failure;
  if (IsRtfName(*name)) {
    choices.OutFn = StoredSaveName(*name);
    failure = SaveRtf(panel, state, *name, ports);
  } else if (panel == PrintPanel::kSingle) {
    choices.OutFn = StoredSaveName(*name);
    failure = SaveSinglePanelText(state, *name);
  } else {
    failure = SaveDualPanelText(state, *name, choices, ports);
  }
  if (!failure.empty()) ports.feedback.ShowMessage(failure);
}

}  // namespace kestrin
