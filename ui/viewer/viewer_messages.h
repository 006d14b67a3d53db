// How the viewers tell the user something: one information message with an
// OK button, so that tests can answer it without a screen.
#ifndef KESTRIN_UI_VIEWER_VIEWER_MESSAGES_H_
#define KESTRIN_UI_VIEWER_VIEWER_MESSAGES_H_

#include <QString>

class QWidget;

namespace kestrin {

class ViewerMessages {
 public:
  virtual ~ViewerMessages() = default;
  // Shows `text` over `window` and waits for OK.
  virtual void ShowMessage(QWidget* window, const QString& text) = 0;
};

// Information message boxes titled with the application's name.
class MessageBoxViewerMessages : public ViewerMessages {
 public:
  void ShowMessage(QWidget* window, const QString& text) override;
};

}  // namespace kestrin

#endif  // KESTRIN_UI_VIEWER_VIEWER_MESSAGES_H_
