// Finding a window's control by object name in widget tests.
#ifndef KESTRIN_TESTS_COMMON_CHILD_H_
#define KESTRIN_TESTS_COMMON_CHILD_H_

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace kestrin::testkit {

// The child of `window` named `name`; fails the test when there is none.
template <typename Widget>
Widget* Child(const QObject& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) ADD_FAILURE() << "no control " << name;
  return widget;
}

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_CHILD_H_
