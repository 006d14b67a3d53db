#include "ui/print_save/print_save_wiring.h"

#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "ui/print_save/print_save_viewer.h"

namespace kestrin {
namespace {

// Lives as a child of its viewer and answers the viewer's three buttons.
class PrintSaveLink : public QObject {
 public:
  using HeaderOf = std::function<std::optional<std::string>()>;

  PrintSaveLink(ViewerWindow& viewer, PrintPanel panel, HeaderOf header,
                SbsPreferenceDialog& sbs_dialog, SaveChoices choices)
      : QObject(&viewer),
        viewer_(viewer),
        header_(std::move(header)),
        choices_(choices),
        outputs_(panel, viewer, viewer.RtfBand(), viewer.ReturnButton(), sbs_dialog) {
    Connect(viewer.PrintButton(),
            [this](const ViewerOutputState& state) { outputs_.Print(state); });
    Connect(viewer.ColorButton(),
            [this](const ViewerOutputState& state) { outputs_.PrintInColour(state); });
    Connect(viewer.SaveAsButton(),
            [this](const ViewerOutputState& state) { outputs_.SaveAs(state, choices_); });
  }

 private:
  // Runs `operation` on the viewer's state when `button` is clicked; a viewer
  // that shows no report yet has nothing to print or save.
  void Connect(QPushButton& button, std::function<void(const ViewerOutputState&)> operation) {
    button.setEnabled(true);
    QObject::connect(&button, &QPushButton::clicked, this, [this, operation] {
      if (viewer_.Report() == nullptr) return;
      operation({*viewer_.Report(), viewer_.Caption(), viewer_.RunStamp(), header_(),
                 viewer_.PrintFontSizeText().toStdString(), viewer_.PrintNoRefNum(),
                 viewer_.NewDirectory()});
    });
  }

  ViewerWindow& viewer_;
  HeaderOf header_;
  SaveChoices choices_;
  ViewerOutputs outputs_;
};

}  // namespace

void ConnectPrintAndSave(TFrmVList& viewer, SbsPreferenceDialog& sbs_dialog, SaveChoices choices) {
  new PrintSaveLink(
      viewer, PrintPanel::kSingle, [&viewer] { return viewer.Header(); }, sbs_dialog, choices);
}

void ConnectPrintAndSave(TFrmVSplit& viewer, SbsPreferenceDialog& sbs_dialog, SaveChoices choices) {
  new PrintSaveLink(
      viewer, PrintPanel::kDual, [] { return std::optional<std::string>(); }, sbs_dialog, choices);
}

}  // namespace kestrin
