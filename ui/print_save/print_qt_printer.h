// The system print dialog as the viewers' printer chooser: one printer per
// viewer, kept with its settings from one print to the next.
#ifndef KESTRIN_UI_PRINT_SAVE_PRINT_QT_PRINTER_H_
#define KESTRIN_UI_PRINT_SAVE_PRINT_QT_PRINTER_H_

#include <QPrinter>
#include <QWidget>

#include "ui/print_save/print_qt_surface.h"
#include "views/print_save_ports.h"

namespace kestrin {

class PrintDialogChooser : public PrinterChooser {
 public:
  // The dialog is shown over `parent`.
  explicit PrintDialogChooser(QWidget* parent);

  PrintSurface* ChoosePrinter() override;

  // The printer the dialog sets up; the viewer's colour prints go there too.
  QPrinter& printer() { return printer_; }

 private:
  QWidget* parent_;
  QPrinter printer_;
  PrinterSurface surface_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_PRINT_QT_PRINTER_H_
