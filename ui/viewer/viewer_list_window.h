// The single-panel viewer (TFrmVList): the whole report in one list under an
// optional header.
#ifndef KESTRIN_UI_VIEWER_VIEWER_LIST_WINDOW_H_
#define KESTRIN_UI_VIEWER_VIEWER_LIST_WINDOW_H_

#include "ui/viewer/viewer_list_pane.h"
#include "ui/viewer/viewer_window.h"

namespace kestrin {

class TFrmVList : public ViewerWindow {
  Q_OBJECT

 public:
  // Creates the viewer with its layout restored from `layout`.
  TFrmVList(const ViewerLayout& layout, ViewerMessages& messages, TFrmChgFlag& legend,
            QWidget* parent = nullptr);

  void Open(const ViewerOpening& opening) override;
  void StoreLayout(ViewerLayout& layout) const override;
  void ToTop() override;
  void ToBottom() override;

  ViewerListPane& Pane() { return *pane_; }
  ViewerListView& List() { return pane_->List(); }
  // The selected row, or -1.
  int SelectedRow() const { return pane_->List().SelectedRow(); }
  // The list's header, when it shows one.
  const std::optional<std::string>& Header() const { return header_; }

 protected:
  ViewerListView& LeadList() override { return pane_->List(); }
  std::optional<int64_t> FindRow(const FindRequest& request) const override;
  void SelectFoundRow(int row) override;
  void ApplyListFont(int points) override;

 private:
  void RestoreLayout(const ViewerLayout& layout);

  ViewerListPane* pane_;
  std::optional<std::string> header_;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_LIST_WINDOW_H_
