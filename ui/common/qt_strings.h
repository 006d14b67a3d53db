// Texts between the plain logic (8-bit std::string, UTF-8 file names) and the
// Qt controls of the main window.
#ifndef KESTRIN_UI_COMMON_QT_STRINGS_H_
#define KESTRIN_UI_COMMON_QT_STRINGS_H_

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace kestrin {

inline QString ToQt(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQt(const QString& text) { return text.toStdString(); }

inline QStringList ToQtList(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(ToQt(text));
  return list;
}

}  // namespace kestrin

#endif  // KESTRIN_UI_COMMON_QT_STRINGS_H_
