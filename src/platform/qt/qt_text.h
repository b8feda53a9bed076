#pragma once
// Windows-1252 text of the core <-> QString of the widgets.

#include <string>
#include <string_view>

#include <QString>

#include "platform/text_encoding.h"

namespace korvel {

inline QString toQString(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

inline std::string toCp1252(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

} // namespace korvel
