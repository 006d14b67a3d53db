// The Preferences page's controls and their layout.
#include "ui/main/main_preferences_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QWidget>
#include <string>

#include "ui/common/page_parts.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {

constexpr const char* kRangeFieldNames[kRangeFieldCount] = {"PrEdCcolNew1", "PrEdCcolNew2",
                                                            "PrEdCcolOld1", "PrEdCcolOld2"};
constexpr const char* kRangeDefaults[kRangeFieldCount] = {kWholeLineRange, "", kWholeLineRange,
                                                          ""};
// Room for ":  Compare New File" before the range fields.
constexpr int kCcolCaptionWidth = 140;

QCheckBox* MakeBox(Preference preference) {
  const QString keyword =
      QString::fromUtf8(PreferenceKeyword(preference).data(), PreferenceKeyword(preference).size());
  auto* box = new QCheckBox(keyword);
  box->setObjectName("PrCk" + keyword);
  box->setToolTip(QString::fromUtf8(kPreferenceDescriptions[static_cast<int>(preference)]));
  return box;
}

// ":  Use a " [Subc field] "character as the control replacement character."
QLayout* SubcDescription(PreferencesControls& controls) {
  controls.subc = new QLineEdit("\".\"");
  controls.subc->setObjectName("PrEdSubc");
  controls.subc->setMaxLength(3);
  controls.subc->setFixedWidth(44);
  // One printable ASCII character between quotes is all the listing can use.
  controls.subc->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[\\x20-\\x7e]{0,3}")), controls.subc));
  auto* row = new QHBoxLayout;
  row->addWidget(MakePlainLabel(kPreferenceDescriptions[static_cast<int>(Preference::kSubc)]));
  row->addWidget(controls.subc);
  row->addSpacing(4);
  row->addWidget(MakePlainLabel(kSubcDescriptionTail));
  row->addStretch();
  return row;
}

// ":  Expand tabs characters mod \" " [tab size 1 to 8] "\" spaces."
QLayout* XtabDescription(PreferencesControls& controls) {
  controls.tab_size = new QComboBox;
  controls.tab_size->setObjectName("PrCbXtab");
  for (const char* size : kTabSizeTexts) controls.tab_size->addItem(size);
  controls.tab_size->setCurrentText("4");
  auto* row = new QHBoxLayout;
  row->addWidget(MakePlainLabel(kPreferenceDescriptions[static_cast<int>(Preference::kXtab)]));
  row->addWidget(controls.tab_size);
  row->addWidget(MakePlainLabel(kXtabDescriptionTail));
  row->addStretch();
  return row;
}

QLineEdit* MakeRangeField(PreferencesControls& controls, RangeField field) {
  const int index = static_cast<int>(field);
  auto* edit = new QLineEdit(kRangeDefaults[index]);
  edit->setObjectName(kRangeFieldNames[index]);
  edit->setFixedWidth(90);
  controls.ranges[index] = edit;
  return edit;
}

// One file's Ccol row: its caption and its two range fields.
QLayout* RangesRow(PreferencesControls& controls, const char* caption, RangeField first,
                   RangeField second) {
  auto* row = new QHBoxLayout;
  auto* label = MakePlainLabel(caption);
  label->setFixedWidth(kCcolCaptionWidth);
  row->addWidget(label);
  row->addWidget(MakeRangeField(controls, first));
  row->addSpacing(12);
  row->addWidget(MakeRangeField(controls, second));
  row->addStretch();
  return row;
}

// The Ccol box heads three rows: the range heading, the new file's ranges
// (beside the box) and the old file's ranges.
void AddCcolRows(QGridLayout* grid, int row, PreferencesControls& controls) {
  auto* heading = new QHBoxLayout;
  heading->addSpacing(kCcolCaptionWidth);
  heading->addWidget(MakePlainLabel(kCcolRangeHeading));
  heading->addStretch();
  grid->addLayout(heading, row, 1);
  grid->addWidget(controls.boxes[static_cast<int>(Preference::kCcol)], row + 1, 0);
  grid->addLayout(RangesRow(controls, kPreferenceDescriptions[static_cast<int>(Preference::kCcol)],
                            RangeField::kNew1, RangeField::kNew2),
                  row + 1, 1);
  grid->addLayout(RangesRow(controls, kCcolOldCaption, RangeField::kOld1, RangeField::kOld2),
                  row + 2, 1);
}

QLayout* BoxesGrid(PreferencesControls& controls) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(1);
  for (int index = 0; index < kPreferenceCount; ++index) {
    const auto preference = static_cast<Preference>(index);
    controls.boxes[index] = MakeBox(preference);
    switch (preference) {
      case Preference::kSubc:
        grid->addWidget(controls.boxes[index], index, 0);
        grid->addLayout(SubcDescription(controls), index, 1);
        break;
      case Preference::kXtab:
        grid->addWidget(controls.boxes[index], index, 0);
        grid->addLayout(XtabDescription(controls), index, 1);
        break;
      case Preference::kCcol:
        AddCcolRows(grid, index, controls);
        break;
      default:
        grid->addWidget(controls.boxes[index], index, 0);
        grid->addWidget(MakePlainLabel(kPreferenceDescriptions[index]), index, 1);
        break;
    }
  }
  return grid;
}

QWidget* BinaryNote() {
  auto* note = MakeLinesLabel(kBinaryNoteLines.begin(), kBinaryNoteLines.end());
  note->setObjectName("PrLblNote");
  note->setFrameShape(QFrame::Box);
  note->setMargin(6);
  return note;
}

}  // namespace

QWidget* BuildPreferencesPage(PreferencesControls& controls) {
  controls.return_button = MakeButton("PrBtnReturn", kReturnCaption, kReturnToMainPanelHint);
  controls.cancel_button = MakeButton("PrBtnCancel", kCancelCaption, kPreferencesCancelHint);
  controls.reset_button = MakeButton("PrBtnReset", kResetCaption, kPreferencesResetHint);

  auto* page = new QWidget;
  page->setObjectName("PrPage");
  auto* heading = MakePlainLabel(kPreferencesHeading);
  heading->setObjectName("PrLblHeading");
  auto* body = new QHBoxLayout;
  body->addLayout(BoxesGrid(controls), 1);
  body->addWidget(BinaryNote(), 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(heading);
  layout->addLayout(body);
  layout->addStretch();
  layout->addLayout(
      ButtonsRow({controls.return_button, controls.cancel_button, controls.reset_button}));
  return page;
}

}  // namespace kestrin
