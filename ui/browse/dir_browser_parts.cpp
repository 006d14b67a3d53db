// Builders shared by the directory browsing windows.
#include "ui/browse/dir_browser_parts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/common/page_parts.h"
#include "ui/common/qt_strings.h"

namespace kestrin {

QLineEdit* MakeReadOnlyField(const char* object_name) {
  auto* field = new QLineEdit;
  field->setObjectName(object_name);
  field->setReadOnly(true);
  return field;
}

QPushButton* MakeDialogButton(const char* object_name, const char* caption, const char* hint) {
  QPushButton* button = MakeButton(object_name, caption, hint);
  button->setAutoDefault(false);
  return button;
}

QGroupBox* MakeGroup(const char* caption, std::initializer_list<QWidget*> widgets) {
  auto* group = new QGroupBox(QString::fromUtf8(caption));
  auto* layout = new QVBoxLayout(group);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  return group;
}

void ShowText(QLineEdit* field, const std::string& text) {
  field->setText(ToQt(text));
  field->setCursorPosition(0);
}

QComboBox* MakeFilterField(const char* object_name) {
  auto* field = new QComboBox;
  field->setObjectName(object_name);
  field->setEditable(true);
  field->setInsertPolicy(QComboBox::NoInsert);
  return field;
}

void ShowFilter(QComboBox* field, const std::string& text,
                const std::vector<std::string>& history) {
  const QSignalBlocker block(field);
  field->clear();
  field->addItems(ToQtList(history));
  field->setCurrentIndex(-1);
  field->setEditText(ToQt(text));
}

QLayout* MakeCaptionedLabel(const char* caption, const char* object_name, QLabel** value) {
  *value = MakePlainLabel(QString());
  (*value)->setObjectName(object_name);
  auto* row = new QHBoxLayout;
  row->addWidget(MakePlainLabel(QString::fromUtf8(caption)));
  row->addWidget(*value, 1);
  return row;
}

QListWidget* MakePairList(const char* object_name, bool several) {
  auto* list = new QListWidget;
  list->setObjectName(object_name);
  list->setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
  return list;
}

void ShowRows(QListWidget* list, const std::vector<std::string>& rows) {
  const QSignalBlocker block(list);
  list->clear();
  list->addItems(ToQtList(rows));
  list->setCurrentRow(-1);
}

std::vector<int> HighlightedRows(const QListWidget* list) {
  std::vector<int> rows;
  for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
    rows.push_back(index.row());
  }
  return rows;
}

}  // namespace kestrin
