// The band, find, font size and layout steps both viewers share.
#include "ui/viewer/viewer_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "report/report_texts.h"
#include "ui/common/display_text.h"
#include "ui/common/screen_fit.h"
#include "ui/viewer/legend_window.h"
#include "ui/viewer/viewer_colours.h"
#include "views/summary_jump.h"
#include "views/viewer_layout_values.h"

namespace kestrin {
namespace {

// The smallest viewer window, so that a stored size never hides it.
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 200;

// A row number as wide as the viewer shows, and room for the cursor and the
// splitter handle, when the first size is worked out from the ruler line.
constexpr std::string_view kRowNumberSample = "9999  ";
constexpr int kRulerSlack = 8;
constexpr int kSplitterHandleRoom = 8;

void Describe(QWidget* control, const ViewerControlText& text) {
  control->setObjectName(DisplayText(text.name));
  control->setToolTip(DisplayText(text.hint));
}

QPushButton* Button(const ViewerControlText& text, QWidget* parent) {
  auto* button = new QPushButton(DisplayText(text.caption), parent);
  Describe(button, text);
  return button;
}

template <size_t N>
QComboBox* FontSizeBox(const ViewerControlText& text,
                       const std::array<std::string_view, N>& choices, QWidget* parent) {
  auto* box = new QComboBox(parent);
  Describe(box, text);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view choice : choices) box->addItem(DisplayText(choice));
  box->setCurrentText(DisplayText(kDefaultFontSize));
  box->setMinimumContentsLength(2);
  return box;
}

QLabel* ColouredLabel(const QString& text, RowColourName colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  SetTextColour(*label, colour);
  return label;
}

}  // namespace

ViewerWindow::ViewerWindow(const ViewerBandTexts& texts, ViewerMessages& messages,
                           TFrmChgFlag& legend, QWidget* parent)
    : QDialog(parent), messages_(messages), legend_(legend), finder_(new FindDialog(this)) {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setSizeGripEnabled(true);
  BuildBand(texts);
  connect(finder_, &FindDialog::FindNextRequested, this, &ViewerWindow::FindNext);
}

void ViewerWindow::BuildBand(const ViewerBandTexts& texts) {
  return_button_ = Button(texts.return_button, this);
  top_button_ = Button(texts.top_button, this);
  bottom_button_ = Button(texts.bottom_button, this);
  legend_button_ = Button(texts.legend_button, this);
  find_button_ = Button(texts.find_button, this);
  print_button_ = Button(texts.print_button, this);
  color_button_ = Button(texts.color_button, this);
  save_as_button_ = Button(texts.save_as_button, this);
  // Print and save attach their operations to these buttons.
  for (QPushButton* waiting : {print_button_, color_button_, save_as_button_}) {
    waiting->setEnabled(false);
  }

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(3);
  for (QPushButton* button : {return_button_, top_button_, bottom_button_, legend_button_,
                              find_button_, print_button_, color_button_, save_as_button_}) {
    buttons->addWidget(button);
  }
  buttons->addStretch(1);

  list_font_box_ = FontSizeBox(texts.list_font_size, kListFontSizeChoices, this);
  print_font_box_ = FontSizeBox(texts.print_font_size, kPrintFontSizeChoices, this);
  print_no_ref_ = new QCheckBox(DisplayText(texts.print_no_ref.caption), this);
  Describe(print_no_ref_, texts.print_no_ref);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(new QLabel(DisplayText(texts.list_font_size.caption), this));
  sizes->addWidget(list_font_box_);
  sizes->addSpacing(12);
  sizes->addWidget(new QLabel(DisplayText(texts.print_font_size.caption), this));
  sizes->addWidget(print_font_box_);
  sizes->addSpacing(12);
  sizes->addWidget(print_no_ref_);
  sizes->addStretch(1);

  new_directory_text_ = ColouredLabel(QString(), RowColourName::kBlue, this);
  old_directory_text_ = ColouredLabel(QString(), RowColourName::kRed, this);
  for (QLabel* text : {new_directory_text_, old_directory_text_}) {
    text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  auto* directories = new QGridLayout;
  directories->setVerticalSpacing(0);
  directories->addWidget(ColouredLabel(DisplayText(kNewDirLabel), RowColourName::kBlue, this), 0,
                         0);
  directories->addWidget(new_directory_text_, 0, 1);
  directories->addWidget(ColouredLabel(DisplayText(kOldDirLabel), RowColourName::kRed, this), 1, 0);
  directories->addWidget(old_directory_text_, 1, 1);
  directories->setColumnStretch(1, 1);

  rtf_band_ = new QLabel(DisplayText(kRtfBandMessage), this);
  rtf_band_->setFrameShape(QFrame::StyledPanel);
  rtf_band_->hide();

  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(4, 4, 4, 4);
  layout_->setSpacing(3);
  layout_->addLayout(buttons);
  layout_->addLayout(sizes);
  layout_->addLayout(directories);
  layout_->addWidget(rtf_band_);

  MakeOnlyDefault(*return_button_);
  AddFindKeys(this);
  AddFindKeys(finder_);

  connect(return_button_, &QPushButton::clicked, this, &QDialog::accept);
  connect(top_button_, &QPushButton::clicked, this, &ViewerWindow::ToTop);
  connect(bottom_button_, &QPushButton::clicked, this, &ViewerWindow::ToBottom);
  connect(legend_button_, &QPushButton::clicked, this,
          [this] { legend_.ShowBeside(*this, ButtonBand()); });
  connect(find_button_, &QPushButton::clicked, this, &ViewerWindow::OpenFind);
  connect(list_font_box_, &QComboBox::textActivated, this, &ViewerWindow::ChooseListFontSize);
  connect(list_font_box_->lineEdit(), &QLineEdit::editingFinished, this,
          [this] { ChooseListFontSize(list_font_box_->currentText()); });
}

void ViewerWindow::SetContent(QWidget* content) {
  layout_->insertWidget(layout_->indexOf(rtf_band_), content, 1);
}

void ViewerWindow::BeginOpening(const ViewerOpening& opening, const std::string& caption) {
  report_ = opening.report;
  jumped_from_.reset();
  run_stamp_ = opening.run_stamp;
  caption_ = caption;
  new_directory_ = opening.new_directory;
  old_directory_ = opening.old_directory;
  setWindowTitle(DisplayText(caption));
  new_directory_text_->setText(DisplayText(new_directory_));
  old_directory_text_->setText(DisplayText(old_directory_));
}

void ViewerWindow::WidenForRuler(const ViewerListView& list, int lists) {
  // A row shows its number before the report line; the ruler line with its
  // reference columns is the widest line of a listing without Fscl.
  const QString ruler_row = DisplayText(std::string(kRowNumberSample) + std::string(kRulerFixed) +
                                        std::string(kRulerColumns));
  const int list_width = list.fontMetrics().horizontalAdvance(ruler_row) +
                         list.verticalScrollBar()->sizeHint().width() + 2 * list.frameWidth() +
                         kRulerSlack;
  const QMargins margins = layout_->contentsMargins();
  const int wanted = lists * list_width + (lists - 1) * kSplitterHandleRoom + margins.left() +
                     margins.right();
  if (wanted > width()) resize(wanted, height());
}

void ViewerWindow::WatchSummaryJumps() {
  ViewerListView& list = LeadList();
  list.installEventFilter(this);
  connect(&list, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { JumpToPairListing(index.row()); });
  auto* back = new QShortcut(QKeySequence::Back, this);
  connect(back, &QShortcut::activated, this, &ViewerWindow::JumpBack);
}

bool ViewerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &LeadList() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        JumpToPairListing(LeadList().SelectedRow())) {
      return true;
    }
    if (key == Qt::Key_Backspace && jumped_from_) {
      JumpBack();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool ViewerWindow::JumpToPairListing(int row) {
  if (report_ == nullptr || row < 0) return false;
  const std::optional<int64_t> listing = PairListingRow(*report_, row);
  if (!listing) return false;
  jumped_from_ = row;
  SelectFoundRow(static_cast<int>(*listing));
  return true;
}

void ViewerWindow::JumpBack() {
  if (!jumped_from_) return;
  SelectFoundRow(*jumped_from_);
  jumped_from_.reset();
}

void ViewerWindow::AddFindKeys(QWidget* window) {
  auto* find = new QShortcut(QKeySequence::Find, window);
  connect(find, &QShortcut::activated, this, &ViewerWindow::OpenFind);
  auto* next = new QShortcut(QKeySequence::FindNext, window);
  connect(next, &QShortcut::activated, this, [this] { FindAgain(FindDirection::kDown); });
  auto* previous = new QShortcut(QKeySequence::FindPrevious, window);
  connect(previous, &QShortcut::activated, this, [this] { FindAgain(FindDirection::kUp); });
}

QRect ViewerWindow::ButtonBand() const {
  const QRect first(return_button_->mapToGlobal(QPoint(0, 0)), return_button_->size());
  const QRect last(save_as_button_->mapToGlobal(QPoint(0, 0)), save_as_button_->size());
  return first.united(last);
}

void ViewerWindow::OpenFind() {
  if (LeadList().SelectedRow() < 0) LeadList().SelectRow(0);
  finder_->Open();
  KeepFinderOffSelectedRow();
  return_button_->setFocus();
}

void ViewerWindow::FindAgain(FindDirection direction) {
  const QString typed = finder_->TextField().text();
  if (typed.isEmpty()) {
    OpenFind();
    return;
  }
  FindNext(typed, direction);
}

void ViewerWindow::KeepFinderOffSelectedRow() {
  if (!finder_->isVisible()) return;
  ViewerListView& list = LeadList();
  const int row = list.SelectedRow();
  if (row < 0) return;
  const QRect cell = list.visualRect(list.model()->index(row, 0));
  const QRect row_band(list.viewport()->mapToGlobal(QPoint(0, cell.top())),
                       QSize(list.viewport()->width(), cell.height()));
  const ScreenRect placed = PlaceClearOf(ToScreenRect(finder_->frameGeometry()),
                                         ToScreenRect(row_band), ToScreenRect(AvailableArea(*this)));
  finder_->move(placed.left, placed.top);
}

void ViewerWindow::FindNext(const QString& typed, FindDirection direction) {
  const FindRequest request{typed, direction, LeadList().SelectedRow()};
  const std::optional<int64_t> row =
      report_ != nullptr ? FindRow(request) : std::optional<int64_t>();
  if (row) {
    SelectFoundRow(static_cast<int>(*row));
    KeepFinderOffSelectedRow();
    return;
  }
  QWidget* over = finder_->isVisible() ? static_cast<QWidget*>(finder_) : this;
  messages_.ShowMessage(over, DisplayText(kTextNotFound));
}

void ViewerWindow::ChooseListFontSize(const QString& text) {
  const FontSizeChoice choice = ReadFontSize(text.trimmed().toStdString());
  if (choice.points) {
    SetListFontSize(*choice.points);
    return;
  }
  list_font_box_->setEditText(QString::number(list_font_size_));
  messages_.ShowMessage(this, QString::fromStdString(choice.refusal));
}

void ViewerWindow::SetListFontSize(int points) {
  list_font_size_ = points;
  const QString text = QString::number(points);
  if (list_font_box_->currentText() != text) list_font_box_->setEditText(text);
  ApplyListFont(points);
}

QString ViewerWindow::PrintFontSizeText() const { return print_font_box_->currentText(); }

bool ViewerWindow::PrintNoRefNum() const { return print_no_ref_->isChecked(); }

void ViewerWindow::SetRtfBandVisible(bool visible) { rtf_band_->setVisible(visible); }

void ViewerWindow::SetDesignedListFont() { SetListFontSize(*StoredNumber(kDefaultFontSize)); }

bool ViewerWindow::RestoreListFontSize(const std::string& stored) {
  const FontSizeChoice choice = ReadFontSize(FontSizeText(stored));
  if (!choice.points) return false;
  SetListFontSize(*choice.points);
  return true;
}

void ViewerWindow::RestorePrintFontSize(const std::string& stored) {
  print_font_box_->setEditText(DisplayText(FontSizeText(stored)));
}

bool ViewerWindow::RestoreGeometry(const std::string& top_text, const std::string& height_text,
                                   const std::string& left_text, const std::string& width_text) {
  return RestoreStoredValues({
      {top_text, [this](int value) { move(x(), value); }},
      {height_text, [this](int value) { resize(width(), value); }},
      {left_text, [this](int value) { move(value, y()); }},
      {width_text, [this](int value) { resize(value, height()); }},
  });
}

void ViewerWindow::StoreFontSizes(ViewerLayout& layout) const {
  layout.PFontSz = StoredText(PrintFontSizeText().toStdString(), kStoredFontSizeWidth);
  layout.VLFontSz = StoredText(list_font_size_, kStoredFontSizeWidth);
}

void ViewerWindow::StoreGeometry(std::string& left_text, std::string& top_text,
                                 std::string& width_text, std::string& height_text) const {
  left_text = StoredText(x(), kStoredGeometryWidth);
  top_text = StoredText(y(), kStoredGeometryWidth);
  width_text = StoredText(width(), kStoredGeometryWidth);
  height_text = StoredText(height(), kStoredGeometryWidth);
}

void ViewerWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepOnScreen(*this);
}

}  // namespace kestrin
