// The Dp Options page's controls and their layout.
#include "ui/main/main_dp_options_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/common/page_parts.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {

QString Description(DpChoice choice) {
  QString text = QString::fromUtf8(kDpDescriptions[static_cast<int>(choice)]);
  if (choice == DpChoice::kDhtm) text += QString::fromUtf8(kDhtmDescriptionTail);
  return text;
}

QRadioButton* MakeEntry(DpOptionsControls& controls, DpChoice choice) {
  const std::string_view keyword = DpKeyword(choice);
  const QString caption = QString::fromUtf8(keyword.data(), keyword.size());
  auto* entry = new QRadioButton(caption);
  entry->setObjectName("DpRb" + caption);
  entry->setToolTip(Description(choice));
  controls.choice->addButton(entry, static_cast<int>(choice));
  controls.entries[static_cast<int>(choice)] = entry;
  return entry;
}

// The Dudc entry: its tag field comes before its description.
QLayout* DudcDescription(DpOptionsControls& controls) {
  controls.dudc_tag = new QLineEdit("#");
  controls.dudc_tag->setObjectName("DpEdUdc");
  controls.dudc_tag->setFixedWidth(60);
  controls.dudc_tag->setToolTip(kDudcTagCaption);
  auto* row = new QHBoxLayout;
  row->addWidget(controls.dudc_tag);
  row->addWidget(MakePlainLabel(Description(DpChoice::kDudc)));
  row->addStretch();
  return row;
}

QWidget* ChoiceGroup(DpOptionsControls& controls) {
  auto* group = new QGroupBox(kDpGroupCaption);
  group->setObjectName("DpGbChoice");
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(2);
  for (int index = 0; index < kDpOptionCount; ++index) {
    const auto choice = static_cast<DpChoice>(index);
    grid->addWidget(MakeEntry(controls, choice), index, 0);
    if (choice == DpChoice::kDudc) {
      grid->addLayout(DudcDescription(controls), index, 1);
    } else {
      grid->addWidget(MakePlainLabel(Description(choice)), index, 1);
    }
  }
  grid->setColumnStretch(1, 1);
  controls.entries[static_cast<int>(DpChoice::kNone)]->setChecked(true);
  return group;
}

QLayout* EmbeddedRow(DpOptionsControls& controls) {
  controls.dudc_embedded = new QComboBox;
  controls.dudc_embedded->setObjectName("DpCbUdcYN");
  for (const char* answer : kYesNo) controls.dudc_embedded->addItem(answer);
  controls.dudc_embedded->setCurrentText("No");
  auto* row = new QHBoxLayout;
  row->addWidget(MakePlainLabel(kDudcTagCaption));
  row->addWidget(controls.dudc_embedded);
  row->addStretch();
  return row;
}

}  // namespace

QWidget* BuildDpOptionsPage(DpOptionsControls& controls) {
  auto* page = new QWidget;
  page->setObjectName("DpPage");
  controls.choice = new QButtonGroup(page);
  controls.return_button = MakeButton("DpBtnReturn", kReturnCaption, kReturnToMainPanelHint);
  controls.cancel_button = MakeButton("DpBtnCancel", kCancelCaption, kDpCancelHint);

  auto* note = MakePlainLabel(kDpNote);
  note->setObjectName("DpLblNote");
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ChoiceGroup(controls));
  layout->addLayout(EmbeddedRow(controls));
  layout->addWidget(note);
  layout->addStretch();
  layout->addLayout(ButtonsRow({controls.return_button, controls.cancel_button}));
  return page;
}

}  // namespace kestrin
