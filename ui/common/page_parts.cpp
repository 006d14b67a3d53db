// Builders shared by the main window's pages.
#include "ui/common/page_parts.h"

#include <QHBoxLayout>

namespace kestrin {

QPushButton* MakeButton(const char* object_name, const char* caption, const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(caption));
  button->setObjectName(object_name);
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

QLabel* MakePlainLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QHBoxLayout* ButtonsRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  for (QPushButton* button : buttons) row->addWidget(button);
  row->addStretch();
  return row;
}

}  // namespace kestrin
