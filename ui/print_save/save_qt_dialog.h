// The save dialog of both viewers on Qt.
#ifndef KESTRIN_UI_PRINT_SAVE_SAVE_QT_DIALOG_H_
#define KESTRIN_UI_PRINT_SAVE_SAVE_QT_DIALOG_H_

#include <QFileDialog>
#include <QWidget>

#include "views/print_save_ports.h"

namespace kestrin {

// Sets up `dialog` as `request` describes: title, file types, starting
// directory, proposed name, the replace question, and no default extension.
void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request);

class FileSaveDialog : public SaveDialog {
 public:
  // The dialog is shown over `parent`.
  explicit FileSaveDialog(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> AskSaveName(const SaveDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_SAVE_QT_DIALOG_H_
