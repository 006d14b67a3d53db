// The walker that writes down every control of a window -- class, object
// name, caption, hint and state, one line each -- so that one golden file per
// window catches a caption typo or a lost control without a test restating
// each caption.
#ifndef KESTRIN_TESTS_UI_COMMON_WINDOW_WALKER_H_
#define KESTRIN_TESTS_UI_COMMON_WINDOW_WALKER_H_

#include <string>

class QWidget;

namespace kestrin::ui_testing {

// Every control of `window`, depth first in the order they were made, each
// line indented by its depth: "<class> <object name> "<caption>"", then
// "hint="..."" and its state (hidden, disabled, checked, read-only, the
// entries of a list or drop-down and which is current). Other windows
// owned by `window` are left to their own walk.
std::string DescribeControls(const QWidget& window);

// The name of `window`'s golden file: its object name, else its class name.
std::string WindowName(const QWidget& window);

// Compares the controls of `window` with tests/ui/golden/<window name>.txt
// (KESTRIN_UPDATE_GOLDEN=1 rewrites it).
void ExpectWindowGolden(const QWidget& window);

}  // namespace kestrin::ui_testing

#endif  // KESTRIN_TESTS_UI_COMMON_WINDOW_WALKER_H_
