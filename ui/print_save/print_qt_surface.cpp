#include "ui/print_save/print_qt_surface.h"

#include <QFontMetrics>

#include "ui/common/display_text.h"

namespace kestrin {

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {
  // Without "Courier New" installed, any fixed-pitch font keeps the columns.
  font_.setStyleHint(QFont::TypeWriter);
}

bool PrinterSurface::BeginDocument() {
  if (!painter_.begin(&printer_)) return false;
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  return true;
}

void PrinterSurface::NewPage() { printer_.newPage(); }

void PrinterSurface::EndDocument() { painter_.end(); }

int PrinterSurface::PageWidth() { return printer_.width(); }

int PrinterSurface::PageHeight() { return printer_.height(); }

int PrinterSurface::TextWidth(const std::string& text) {
  return QFontMetrics(font_, &printer_).horizontalAdvance(DisplayText(text));
}

int PrinterSurface::TextHeight(const std::string&) {
  return QFontMetrics(font_, &printer_).height();
}

void PrinterSurface::TextOut(int x, int y, const std::string& text) {
  // QPainter places text by its baseline; the surface by the cell's top.
  painter_.drawText(x, y + QFontMetrics(font_, &printer_).ascent(), DisplayText(text));
}

void PrinterSurface::SetFontName(const std::string& name) {
  font_.setFamily(QString::fromStdString(name));
  FontChanged();
}

void PrinterSurface::SetFontSize(int points) {
  font_.setPointSize(points);
  FontChanged();
}

void PrinterSurface::SetBold(bool bold) {
  font_.setBold(bold);
  FontChanged();
}

void PrinterSurface::FontChanged() {
  if (painter_.isActive()) painter_.setFont(font_);
}

}  // namespace kestrin
