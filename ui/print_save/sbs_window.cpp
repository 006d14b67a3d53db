#include "ui/print_save/sbs_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/common/screen_fit.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

// Makes a control named as the window's code refers to it.
template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

QString Text(const char* text) { return QString::fromLatin1(text); }

// The information captions stand indented under their choice.
constexpr int kCaptionIndent = 24;

}  // namespace

TFrmSbS::TFrmSbS(QWidget* parent)
    : QDialog(parent),
      SbsRdSingle(Named(new QRadioButton(Text(kSbsStackedChoice)), "SbsRdSingle")),
      SbsCapNorm(Named(new QLabel, "SbsCapNorm")),
      SbsRdDouble(Named(new QRadioButton(Text(kSbsSideBySideChoice)), "SbsRdDouble")),
      SbsCapSbs(Named(new QLabel, "SbsCapSbs")),
      SbsCkTitle(Named(new QCheckBox(Text(kSbsTitleLabel)), "SbsCkTitle")),
      SbsEdTitle(Named(new QLineEdit, "SbsEdTitle")),
      SbsCkAppend(Named(new QCheckBox(Text(kSbsAppendChoice)), "SbsCkAppend")),
      SbsButUse(Named(new QPushButton(Text(kSbsUseCaption)), "SbsButUse")),
      SbsButCancel(Named(new QPushButton(Text(kSbsCancelCaption)), "SbsButCancel")) {
  setObjectName(QStringLiteral("FrmSbS"));
  setWindowTitle(Text(kSbsCaption));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SbsRdSingle);
  SbsCapNorm->setIndent(kCaptionIndent);
  layout->addWidget(SbsCapNorm);
  layout->addWidget(SbsRdDouble);
  SbsCapSbs->setIndent(kCaptionIndent);
  layout->addWidget(SbsCapSbs);
  auto* title_row = new QHBoxLayout;
  title_row->addWidget(SbsCkTitle);
  title_row->addWidget(SbsEdTitle, 1);
  layout->addLayout(title_row);
  layout->addWidget(SbsCkAppend);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SbsButUse);
  buttons->addWidget(SbsButCancel);
  layout->addLayout(buttons);

  MakeOnlyDefault(*SbsButUse);
  connect(SbsButUse, &QPushButton::clicked, this, &QDialog::accept);
  connect(SbsButCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSbS::Prepare(const SbsRequest& request) {
  SbsControls controls = Controls();
  PrepareSbsControls(controls, request);
  SbsRdSingle->setChecked(controls.stacked);
  SbsRdDouble->setChecked(!controls.stacked);
  SbsCapNorm->setText(QString::fromStdString(SaveLineLengthCaption(request.stacked_width)));
  SbsCapSbs->setText(QString::fromStdString(SaveLineLengthCaption(request.side_by_side_width)));
  SbsCkAppend->setEnabled(controls.append_enabled);
}

SbsControls TFrmSbS::Controls() const {
  SbsControls controls;
  controls.stacked = SbsRdSingle->isChecked();
  controls.title_checked = SbsCkTitle->isChecked();
  controls.title_text = SbsEdTitle->text().toStdString();
  controls.append_checked = SbsCkAppend->isChecked();
  controls.append_enabled = SbsCkAppend->isEnabled();
  return controls;
}

std::optional<SbsAnswer> TFrmSbS::AskSbsPreference(const SbsRequest& request) {
  Prepare(request);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return SbsAnswerFrom(Controls());
}

}  // namespace kestrin
