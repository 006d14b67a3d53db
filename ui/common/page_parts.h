// Small builders the main window's pages share: buttons with their hints,
// labels of several fixed lines, and a row of page buttons.
#ifndef KESTRIN_UI_COMMON_PAGE_PARTS_H_
#define KESTRIN_UI_COMMON_PAGE_PARTS_H_

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <initializer_list>

class QHBoxLayout;

namespace kestrin {

// A push button named `object_name` with `caption` and the hint `hint`.
QPushButton* MakeButton(const char* object_name, const char* caption, const char* hint);

// A label showing `text` as it stands (no rich text), blanks kept.
QLabel* MakePlainLabel(const QString& text);

// A label showing each text of [first, last) on a line of its own, blanks
// kept.
template <typename Iterator>
QLabel* MakeLinesLabel(Iterator first, Iterator last) {
  QStringList lines;
  for (Iterator line = first; line != last; ++line) lines.append(QString::fromUtf8(*line));
  auto* label = new QLabel(lines.join(QLatin1Char('\n')));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A row holding `buttons` at its left edge.
QHBoxLayout* ButtonsRow(std::initializer_list<QPushButton*> buttons);

}  // namespace kestrin

#endif  // KESTRIN_UI_COMMON_PAGE_PARTS_H_
