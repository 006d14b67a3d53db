// The Main Panel page's controls and their layout.
#include "ui/main/main_panel_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/compare_settings.h"
#include "run/run_controller.h"
#include "ui/common/page_parts.h"
#include "ui/common/qt_strings.h"
#include "ui/main/main_window_busy_images.h"
#include "ui/main/main_window_name_combo.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {

// The progress bar beside the status line leaves the line most of the row.
constexpr int kProgressBarWidth = 160;

// Builds a name field with its three-line caption into `grid` at `row`.
NameComboBox* AddNameField(QGridLayout* grid, int row, const char* object_name,
                           const std::array<const char*, 3>& caption, const char* hint) {
  auto* label = MakeLinesLabel(caption.begin(), caption.end());
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* field = new NameComboBox(nullptr);
  field->setObjectName(object_name);
  field->setToolTip(hint);
  field->setMinimumWidth(520);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  label->setBuddy(field);
  return field;
}

QComboBox* MakeSelector(const char* object_name, const QStringList& entries, const char* hint) {
  auto* selector = new QComboBox;
  selector->setObjectName(object_name);
  selector->addItems(entries);
  selector->setToolTip(hint);
  return selector;
}

QLabel* MakeBusyImage(const char* object_name, BusyImage image) {
  auto* label = new QLabel;
  label->setObjectName(object_name);
  label->setPixmap(DrawBusyImage(image));
  label->setFixedSize(label->pixmap().size());
  // The row keeps the image's room while it is hidden, so nothing moves
  // when the hourglass shows.
  QSizePolicy keeps_room = label->sizePolicy();
  keeps_room.setRetainSizeWhenHidden(true);
  label->setSizePolicy(keeps_room);
  label->hide();
  return label;
}

QLayout* NamesRows(MainPanelControls& controls) {
  auto* grid = new QGridLayout;
  controls.new_name = AddNameField(
      grid, 0, "MnCbNewName", {kNewNameCaption1, kNewNameCaption2, kNewNameCaption3}, kNewNameHint);
  controls.old_name = AddNameField(
      grid, 1, "MnCbOldName", {kOldNameCaption1, kOldNameCaption2, kOldNameCaption3}, kOldNameHint);
  controls.dir_lookup = MakeButton("MnBtnDirLookUp", kDirLookupCaption, kDirLookupHint);
  grid->addWidget(controls.dir_lookup, 0, 2, 2, 1, Qt::AlignVCenter);
  return grid;
}

QLayout* TypeRow(MainPanelControls& controls) {
  QStringList listing_types;
  for (const char* type : kListingTypeKeywords) listing_types.append(type);
  controls.listing_type = MakeSelector("MnCbListType", listing_types, kListingTypeHint);
  QStringList compare_types;
  for (const char* type : kCompareTypeTexts) compare_types.append(type);
  controls.compare_type = MakeSelector("MnCbCompareType", compare_types, kCompareTypeHint);
  controls.compare_type->setMinimumWidth(300);
  controls.subdirectories = new QCheckBox(kSubdirectoriesCaption);
  controls.subdirectories->setObjectName("MnCkSubdirs");
  controls.subdirectories->setToolTip(kSubdirectoriesHint);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(kListingTypeCaption));
  row->addWidget(controls.listing_type);
  row->addSpacing(24);
  row->addWidget(new QLabel(kCompareTypeCaption));
  row->addWidget(controls.compare_type);
  row->addWidget(controls.subdirectories);
  row->addStretch();
  return row;
}

QLayout* ButtonRow(MainPanelControls& controls) {
  controls.start = MakeButton("MnBtnStart", kStartCaption, kStartHint);
  controls.halt = MakeButton("MnBtnHalt", kHaltCaption, kHaltHint);
  controls.halt->setEnabled(false);
  controls.exit = MakeButton("MnBtnExit", kExitCaption, kExitHint);
  controls.busy_first = MakeBusyImage("MnImgBusy1", BusyImage::kSandAbove);
  controls.busy_second = MakeBusyImage("MnImgBusy2", BusyImage::kSandBelow);

  auto* row = new QHBoxLayout;
  row->addWidget(controls.start);
  row->addWidget(controls.halt);
  row->addWidget(controls.exit);
  row->addSpacing(24);
  row->addWidget(controls.busy_first);
  row->addWidget(controls.busy_second);
  row->addStretch();
  return row;
}

QLayout* StatusRow(MainPanelControls& controls) {
  controls.status = new QLineEdit;
  controls.status->setObjectName("MnEdStatus");
  controls.status->setReadOnly(true);
  controls.status->setText(kWaitingStatus);
  controls.progress = new QProgressBar;
  controls.progress->setObjectName("MnPbProgress");
  controls.progress->setRange(0, 1);
  controls.progress->setValue(0);
  controls.progress->setFixedWidth(kProgressBarWidth);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(kStatusCaption));
  row->addWidget(controls.status, 1);
  row->addWidget(controls.progress);
  return row;
}

QLayout* BoxesRow(MainPanelControls& controls) {
  controls.hints_off = new QCheckBox(kHintsOffCaption);
  controls.hints_off->setObjectName("MnCkHintsOff");
  controls.hints_off->setToolTip(kHintsOffHint);

  controls.re_show = MakeButton("MnBtnReShow", kReShowCaption, kReShowHint);
  controls.re_show->setEnabled(false);
  controls.bypass = new QCheckBox(kBypassCaption);
  controls.bypass->setObjectName("MnCkBypass");
  controls.bypass->setToolTip(kBypassHint);
  auto* report_group = new QGroupBox;
  report_group->setObjectName("MnGbReport");
  auto* report_layout = new QHBoxLayout(report_group);
  report_layout->addWidget(controls.re_show);
  report_layout->addWidget(controls.bypass);

  auto* row = new QHBoxLayout;
  row->addWidget(controls.hints_off);
  row->addStretch();
  row->addWidget(report_group);
  return row;
}

QWidget* OptionsGroup(MainPanelControls& controls) {
  auto* group = new QGroupBox(kOptionsGroupCaption);
  group->setObjectName("MnGbOptions");
  controls.options = new QLabel(ToQt(OptionsText(0, {})));
  controls.options->setObjectName("MnLblOptions");
  controls.options->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(controls.options);
  return group;
}

QLayout* FooterRow(MainPanelControls& controls) {
  auto* directions = new QGroupBox;
  directions->setObjectName("MnGbDirections");
  auto* directions_layout = new QVBoxLayout(directions);
  directions_layout->addWidget(MakeLinesLabel(kDirectionLines.begin(), kDirectionLines.end()));

  auto* note = MakeLinesLabel(kFileNameNoteLines.begin(), kFileNameNoteLines.end());
  note->setObjectName("MnLblNote");

  controls.version = new QLabel;
  controls.version->setObjectName("MnLblVersion");
  controls.version->setAlignment(Qt::AlignRight | Qt::AlignBottom);

  auto* row = new QHBoxLayout;
  row->addWidget(directions);
  row->addSpacing(16);
  row->addWidget(note, 0, Qt::AlignTop);
  row->addStretch();
  row->addWidget(controls.version, 0, Qt::AlignBottom);
  return row;
}

}  // namespace

QWidget* BuildMainPanelPage(MainPanelControls& controls) {
  auto* page = new QWidget;
  page->setObjectName("MnPage");
  auto* layout = new QVBoxLayout(page);
  layout->setSpacing(12);
  layout->addLayout(NamesRows(controls));
  layout->addLayout(TypeRow(controls));
  layout->addLayout(ButtonRow(controls));
  layout->addLayout(StatusRow(controls));
  layout->addLayout(BoxesRow(controls));
  layout->addWidget(OptionsGroup(controls));
  layout->addStretch();
  layout->addLayout(FooterRow(controls));
  return page;
}

}  // namespace kestrin
