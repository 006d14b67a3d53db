// The About and OverView pages.
#include "ui/main/main_info_pages.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/common/page_parts.h"
#include "views/main_texts.h"

namespace kestrin {

namespace {

QWidget* InfoPage(const char* object_name, const char* text, QLayout* buttons) {
  auto* page = new QWidget;
  page->setObjectName(object_name);
  auto* body = MakePlainLabel(QString::fromUtf8(text));
  body->setWordWrap(true);
  body->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(body);
  layout->addStretch();
  layout->addLayout(buttons);
  return page;
}

QLabel* VersionLabel() {
  auto* label = MakePlainLabel(QString::fromUtf8(kVersionLabel));
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

QWidget* BuildAboutPage(InfoPagesControls& controls) {
  controls.about_return = MakeButton("AbBtnReturn", kReturnCaption, kReturnToMainPanelHint);
  QWidget* page = InfoPage("AbPage", kAboutText, ButtonsRow({controls.about_return}));
  static_cast<QVBoxLayout*>(page->layout())->insertWidget(0, VersionLabel());
  return page;
}

QWidget* BuildOverviewPage(InfoPagesControls& controls) {
  controls.overview_return = MakeButton("OvBtnReturn", kReturnCaption, kReturnToMainPanelHint);
  controls.help = MakeButton("OvBtnHelp", kHelpCaption, kHelpHint);
  return InfoPage("OvPage", kOverviewText, ButtonsRow({controls.overview_return, controls.help}));
}

}  // namespace kestrin
