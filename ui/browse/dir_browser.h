// The drive selector, directory list, open-directory path and file list that
// the Dir/File Select page and the directory lookup dialog share. It shows one
// DirBrowserModel and forwards the user's clicks to it: a single click on the
// directory list highlights an entry (H), a double click opens it (D).
#ifndef KESTRIN_UI_BROWSE_DIR_BROWSER_H_
#define KESTRIN_UI_BROWSE_DIR_BROWSER_H_

#include <QWidget>

#include "run/run_dialogs.h"
#include "views/dir_browser_model.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrin {

// How one window shows the browser: the prefix of its controls' names and
// the captions beside the path and above the file list (null for none).
struct DirBrowserLook {
  const char* name_prefix;
  const char* path_caption;
  const char* file_list_caption;
  const char* file_list_note;
};

class DirBrowser : public QWidget {
  Q_OBJECT

 public:
  // Offers the mounted volumes' roots as drives. `model` and `dialogs` must
  // outlive the browser.
  DirBrowser(DirBrowserModel& model, RunDialogs& dialogs, const DirBrowserLook& look,
             QWidget* parent = nullptr);

  // Reads the mounted volumes' roots again as the model's drives.
  void ReadDrives();
  // Shows the model as it is now.
  void Display();

 Q_SIGNALS:
  // The user highlighted row `row` of the file list (-1 for none).
  void FileHighlighted(int row);

 private:
  void DisplayDirectories();
  void DisplayFiles();
  // Opens entry `row` of the directory list, telling the user when that
  // directory has gone.
  void OpenEntry(int row);
  void OpenDrive(int index);

  DirBrowserModel& model_;
  RunDialogs& dialogs_;
  QComboBox* drive_ = nullptr;
  QTreeWidget* directories_ = nullptr;
  QLineEdit* path_ = nullptr;
  QTreeWidget* files_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_BROWSE_DIR_BROWSER_H_
