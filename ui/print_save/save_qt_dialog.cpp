#include "ui/print_save/save_qt_dialog.h"

#include <QFile>
#include <QStringList>

namespace kestrin {

void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request) {
  dialog.setWindowTitle(QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  // The shown name carries its pattern in parentheses, which the dialog
  // matches without regard to case.
  for (const SaveFilter& filter : request.filters) filters << QString::fromStdString(filter.name);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString());
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirm_replace);
  if (!request.start_directory.empty()) {
    dialog.setDirectory(QFile::decodeName(request.start_directory.c_str()));
  }
  if (!request.proposed_name.empty()) {
    dialog.selectFile(QFile::decodeName(request.proposed_name.c_str()));
  }
}

std::optional<std::string> FileSaveDialog::AskSaveName(const SaveDialogRequest& request) {
  QFileDialog dialog(parent_);
  ConfigureSaveDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace kestrin
