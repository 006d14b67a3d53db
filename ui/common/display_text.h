// The displayed text of a report line as Qt shows it.
#ifndef KESTRIN_UI_COMMON_DISPLAY_TEXT_H_
#define KESTRIN_UI_COMMON_DISPLAY_TEXT_H_

#include <QString>
#include <string_view>

#include "views/display_text.h"

namespace kestrin {

// `bytes` as shown: UTF-8 where well-formed, Latin-1 byte for byte elsewhere.
inline QString DisplayText(std::string_view bytes) {
  if (IsPlainAscii(bytes))
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::u16string units = DisplayUnits(bytes);
  return QString(reinterpret_cast<const QChar*>(units.data()),
                 static_cast<qsizetype>(units.size()));
}

}  // namespace kestrin

#endif  // KESTRIN_UI_COMMON_DISPLAY_TEXT_H_
