#include "ui/print_save/print_qt_printer.h"

#include <QPrintDialog>

namespace kestrin {

PrintDialogChooser::PrintDialogChooser(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution), surface_(printer_) {}

PrintSurface* PrintDialogChooser::ChoosePrinter() {
  QPrintDialog dialog(&printer_, parent_);
  return dialog.exec() == QDialog::Accepted ? &surface_ : nullptr;
}

}  // namespace kestrin
