// The shared directory browser: its controls, its display of the model and
// the clicks it forwards.
#include "ui/browse/dir_browser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "ui/common/page_parts.h"
#include "ui/common/qt_strings.h"
#include "views/dir_browser_texts.h"

namespace kestrin {
namespace {

// The row number a list item stands for.
constexpr int kRowRole = Qt::UserRole;

// The roots of the mounted volumes that can be read now, each once, in
// ascending order.
std::vector<std::string> MountedRoots() {
  std::vector<std::string> roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) roots.push_back(FromQt(volume.rootPath()));
  }
  std::sort(roots.begin(), roots.end());
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  return roots;
}

// The directory list: every entry shows expanded, so no entry carries an
// expand or collapse mark.
class DirectoryTree : public QTreeWidget {
 protected:
  void drawBranches(QPainter* /*painter*/, const QRect& /*rect*/,
                    const QModelIndex& /*index*/) const override {}
};

// A one-column list without a header whose rows scroll sideways over
// kBrowserScrollWidth.
QTreeWidget* MakeList(QTreeWidget* list, const QString& object_name) {
  list->setObjectName(object_name);
  list->setColumnCount(1);
  list->setHeaderHidden(true);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(QHeaderView::Fixed);
  list->setColumnWidth(0, kBrowserScrollWidth);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformRowHeights(true);
  return list;
}

QTreeWidgetItem* MakeItem(const std::string& text, int row, const QIcon& icon) {
  auto* item = new QTreeWidgetItem(QStringList{ToQt(text)});
  item->setData(0, kRowRole, row);
  item->setIcon(0, icon);
  return item;
}

int RowOf(const QTreeWidgetItem* item) {
  return item == nullptr ? -1 : item->data(0, kRowRole).toInt();
}

}  // namespace

DirBrowser::DirBrowser(DirBrowserModel& model, RunDialogs& dialogs, const DirBrowserLook& look,
                       QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  const QString prefix = QString::fromLatin1(look.name_prefix);
  drive_ = new QComboBox;
  drive_->setObjectName(prefix + "CbDrive");
  directories_ = MakeList(new DirectoryTree, prefix + "TvDirs");
  directories_->setItemsExpandable(false);
  directories_->setExpandsOnDoubleClick(false);
  directories_->setRootIsDecorated(false);
  path_ = new QLineEdit;
  path_->setObjectName(prefix + "EdDirPath");
  path_->setReadOnly(true);
  files_ = MakeList(new QTreeWidget, prefix + "LbFiles");
  files_->setRootIsDecorated(false);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* drive_row = new QHBoxLayout;
  drive_row->addWidget(MakePlainLabel(QString::fromUtf8(kDriveCaption)));
  drive_row->addWidget(drive_, 1);
  grid->addLayout(drive_row, 0, 0);
  if (look.file_list_caption != nullptr) {
    auto* caption_row = new QHBoxLayout;
    caption_row->addWidget(MakePlainLabel(QString::fromUtf8(look.file_list_caption)));
    if (look.file_list_note != nullptr) {
      caption_row->addWidget(MakePlainLabel(QString::fromUtf8(look.file_list_note)));
    }
    caption_row->addStretch();
    grid->addLayout(caption_row, 0, 1);
  }
  grid->addWidget(directories_, 1, 0);
  grid->addWidget(files_, 1, 1);
  grid->addWidget(MakePlainLabel(QString::fromUtf8(look.path_caption)), 2, 0, 1, 2);
  grid->addWidget(path_, 3, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  ReadDrives();
  connect(drive_, &QComboBox::activated, this, &DirBrowser::OpenDrive);
  connect(directories_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { model_.Highlight(RowOf(current)); });
  connect(directories_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenEntry(RowOf(item)); });
  connect(files_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    model_.HighlightFile(RowOf(current));
    Q_EMIT FileHighlighted(model_.HighlightedFile());
  });
  Display();
}

void DirBrowser::ReadDrives() { model_.SetDrives(MountedRoots()); }

void DirBrowser::Display() {
  {
    const QSignalBlocker block(drive_);
    drive_->clear();
    for (const std::string& root : model_.Drives()) drive_->addItem(ToQt(root));
    drive_->setCurrentIndex(drive_->findText(ToQt(model_.Drive()), Qt::MatchExactly));
  }
  DisplayDirectories();
  path_->setText(ToQt(model_.OpenDirectory()));
  path_->setCursorPosition(0);
  DisplayFiles();
}

void DirBrowser::DisplayDirectories() {
  const QSignalBlocker block(directories_);
  directories_->clear();
  const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const std::vector<DirRow>& rows = model_.Rows();
  QTreeWidgetItem* parent = nullptr;
  QTreeWidgetItem* highlighted = nullptr;
  for (size_t row = 0; row < rows.size(); ++row) {
    const bool below_open = rows[row].kind == DirRowKind::kSubdirectory;
    QTreeWidgetItem* item =
        MakeItem(rows[row].text, static_cast<int>(row), below_open ? closed_icon : open_icon);
    if (parent == nullptr) {
      directories_->addTopLevelItem(item);
    } else {
      parent->addChild(item);
    }
    // Each ancestor holds the next; the open directory holds its subdirectories.
    if (!below_open) parent = item;
    if (rows[row].kind == DirRowKind::kOpen) {
      QFont open_font = item->font(0);
      open_font.setBold(true);
      item->setFont(0, open_font);
    }
    if (static_cast<int>(row) == model_.Highlighted()) highlighted = item;
  }
  directories_->expandAll();
  directories_->setCurrentItem(highlighted);
  if (highlighted != nullptr) directories_->scrollToItem(highlighted);
}

void DirBrowser::DisplayFiles() {
  const QSignalBlocker block(files_);
  files_->clear();
  const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
  const std::vector<std::string>& names = model_.Files();
  QTreeWidgetItem* highlighted = nullptr;
  for (size_t row = 0; row < names.size(); ++row) {
    QTreeWidgetItem* item = MakeItem(names[row], static_cast<int>(row), icon);
    files_->addTopLevelItem(item);
    if (static_cast<int>(row) == model_.HighlightedFile()) highlighted = item;
  }
  files_->setCurrentItem(highlighted);
  if (highlighted != nullptr) files_->scrollToItem(highlighted);
}

void DirBrowser::OpenEntry(int row) {
  if (row < 0) return;
  const std::string path = model_.Rows()[row].path;
  if (!model_.OpenEntry(row)) dialogs_.ShowMessage(DirectoryNotOpenedMessage(path));
  Display();
}

void DirBrowser::OpenDrive(int index) {
  const std::string root = FromQt(drive_->itemText(index));
  if (!model_.OpenDrive(index)) dialogs_.ShowMessage(DirectoryNotOpenedMessage(root));
  Display();
}

}  // namespace kestrin
