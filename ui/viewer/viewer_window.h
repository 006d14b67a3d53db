// What both report viewers share: the top band of buttons, font size boxes
// and the Print No Ref# box, the directory lines, the bottom band shown while
// coloured RTF is built, find, the list font size and the stored layout.
#ifndef KESTRIN_UI_VIEWER_VIEWER_WINDOW_H_
#define KESTRIN_UI_VIEWER_VIEWER_WINDOW_H_

#include <QDialog>
#include <QRect>
#include <cstdint>
#include <optional>
#include <string>

#include "report/report_lines.h"
#include "settings/viewer_layout.h"
#include "ui/viewer/find_dialog.h"
#include "ui/viewer/viewer_list_view.h"
#include "ui/viewer/viewer_messages.h"
#include "views/viewer_texts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kestrin {

class TFrmChgFlag;

// What a viewer opening shows: the report and the texts around it.
struct ViewerOpening {
  const ReportLines* report = nullptr;
  std::string run_stamp;
  int32_t ruler_width = 0;
  std::string new_directory;  // the main window's new-directory name box
  std::string old_directory;  // the main window's old-directory name box
};

class ViewerWindow : public QDialog {
  Q_OBJECT

 public:
  // Fills the viewer from `opening`; the report must outlive the showing.
  virtual void Open(const ViewerOpening& opening) = 0;
  // Writes the font sizes and the window layout into `layout`.
  virtual void StoreLayout(ViewerLayout& layout) const = 0;
  // To Top and To Btm.
  virtual void ToTop() = 0;
  virtual void ToBottom() = 0;

  // Opens the find dialog, first selecting row 0 when no row is selected.
  void OpenFind();
  // F3 and Shift+F3: finds the Find dialog's text again in `direction`, or
  // opens the dialog while it holds no text.
  void FindAgain(FindDirection direction);
  // One find-next request: selects the first matching row beside the
  // selected one, or shows "Text Not Found".
  void FindNext(const QString& typed, FindDirection direction);
  // In a directory report: from a pair row of the summary table to that
  // pair's listing (double-click or Return on the row). Returns false, doing
  // nothing, for any other row.
  bool JumpToPairListing(int row);
  // Backspace on the list, or Alt+Left: back to the summary row the last
  // jump left.
  void JumpBack();
  // Takes a list font size picked or typed in the list font size box; a text
  // that is no font size is refused with a message and the font stays.
  void ChooseListFontSize(const QString& text);

  // What print and save read.
  const ReportLines* Report() const { return report_; }
  const std::string& RunStamp() const { return run_stamp_; }
  const std::string& Caption() const { return caption_; }
  const std::string& NewDirectory() const { return new_directory_; }
  const std::string& OldDirectory() const { return old_directory_; }
  int ListFontSize() const { return list_font_size_; }
  QString PrintFontSizeText() const;
  bool PrintNoRefNum() const;
  // Shows or hides the bottom band saying coloured RTF is being built.
  void SetRtfBandVisible(bool visible);

  QPushButton& ReturnButton() { return *return_button_; }
  QPushButton& TopButton() { return *top_button_; }
  QPushButton& BottomButton() { return *bottom_button_; }
  QPushButton& LegendButton() { return *legend_button_; }
  QPushButton& FindButton() { return *find_button_; }
  QPushButton& PrintButton() { return *print_button_; }
  QPushButton& ColorButton() { return *color_button_; }
  QPushButton& SaveAsButton() { return *save_as_button_; }
  QComboBox& ListFontSizeBox() { return *list_font_box_; }
  QComboBox& PrintFontSizeBox() { return *print_font_box_; }
  QCheckBox& PrintNoRefBox() { return *print_no_ref_; }
  QLabel& NewDirectoryText() { return *new_directory_text_; }
  QLabel& OldDirectoryText() { return *old_directory_text_; }
  QLabel& RtfBand() { return *rtf_band_; }
  FindDialog& Finder() { return *finder_; }

 protected:
  ViewerWindow(const ViewerBandTexts& texts, ViewerMessages& messages, TFrmChgFlag& legend,
               QWidget* parent);

  // Places the viewer's lists between the directory lines and the bottom band.
  void SetContent(QWidget* content);
  // Keeps the opening's report, stamp and directories, and shows the caption
  // and the directory texts.
  void BeginOpening(const ViewerOpening& opening, const std::string& caption);

  // The list whose selected row find starts from and the Find button fills.
  virtual ViewerListView& LeadList() = 0;
  virtual std::optional<int64_t> FindRow(const FindRequest& request) const = 0;
  virtual void SelectFoundRow(int row) = 0;
  virtual void ApplyListFont(int points) = 0;

  // Widens the window, when it is narrower, so that each of `lists` lists
  // side by side shows a whole ruler line with its reference columns in
  // `list`'s font; the window is kept on the screen when it is shown.
  void WidenForRuler(const ViewerListView& list, int lists);
  // Lets double-click and Return on the lead list's summary rows jump; the
  // subclass calls it once its lists exist.
  void WatchSummaryJumps();
  // Return on a summary pair row jumps instead of closing the viewer.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Sets the designed list font; the subclass calls it once its lists exist.
  void SetDesignedListFont();
  // Layout restore steps; each returns false when its stored value is not a
  // number, which ends the restore.
  bool RestoreListFontSize(const std::string& stored);
  void RestorePrintFontSize(const std::string& stored);
  bool RestoreGeometry(const std::string& top_text, const std::string& height_text,
                       const std::string& left_text, const std::string& width_text);
  void StoreFontSizes(ViewerLayout& layout) const;
  void StoreGeometry(std::string& left_text, std::string& top_text, std::string& width_text,
                     std::string& height_text) const;

  // Keeps the window, restored or first sized, inside the available screen area.
  void showEvent(QShowEvent* event) override;

 private:
  void BuildBand(const ViewerBandTexts& texts);
  // Ctrl+F, F3 and Shift+F3 in `window` (the viewer or its Find dialog).
  void AddFindKeys(QWidget* window);
  // The row of buttons on the screen, which the legend never covers.
  QRect ButtonBand() const;
  // Moves a shown Find dialog off the selected row of the lead list.
  void KeepFinderOffSelectedRow();
  void SetListFontSize(int points);

  ViewerMessages& messages_;
  TFrmChgFlag& legend_;
  const ReportLines* report_ = nullptr;
  std::string run_stamp_;
  std::string caption_;
  std::string new_directory_;
  std::string old_directory_;
  int list_font_size_ = 8;
  std::optional<int> jumped_from_;  // the summary row of the last jump

  QPushButton* return_button_ = nullptr;
  QPushButton* top_button_ = nullptr;
  QPushButton* bottom_button_ = nullptr;
  QPushButton* legend_button_ = nullptr;
  QPushButton* find_button_ = nullptr;
  QPushButton* print_button_ = nullptr;
  QPushButton* color_button_ = nullptr;
  QPushButton* save_as_button_ = nullptr;
  QComboBox* list_font_box_ = nullptr;
  QComboBox* print_font_box_ = nullptr;
  QCheckBox* print_no_ref_ = nullptr;
  QLabel* new_directory_text_ = nullptr;
  QLabel* old_directory_text_ = nullptr;
  QLabel* rtf_band_ = nullptr;
  FindDialog* finder_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_WINDOW_H_
