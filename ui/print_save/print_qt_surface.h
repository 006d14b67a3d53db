// The print surface over a Qt printer: a QPainter on a QPrinter, measuring
// and placing text in device pixels.
#ifndef KESTRIN_UI_PRINT_SAVE_PRINT_QT_SURFACE_H_
#define KESTRIN_UI_PRINT_SAVE_PRINT_QT_SURFACE_H_

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <string>

#include "views/print_surface.h"

namespace kestrin {

class PrinterSurface : public PrintSurface {
 public:
  // `printer` must outlive the surface; its settings are used unchanged.
  explicit PrinterSurface(QPrinter& printer);

  bool BeginDocument() override;
  void NewPage() override;
  void EndDocument() override;
  int PageWidth() override;
  int PageHeight() override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetFontName(const std::string& name) override;
  void SetFontSize(int points) override;
  void SetBold(bool bold) override;

 private:
  void FontChanged();

  QPrinter& printer_;
  QPainter painter_;
  QFont font_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_PRINT_SAVE_PRINT_QT_SURFACE_H_
