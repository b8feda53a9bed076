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

// Composed first: an accent typed as a combining mark ("e" then U+0301) is the one character
// Windows-1252 holds ("\xE9"), not "e?".
inline std::string toCp1252(const QString& text) {
    return utf8ToCp1252(text.normalized(QString::NormalizationForm_C).toStdString());
}

// True when Windows-1252 holds every character of the text once composed, so toCp1252 loses none.
inline bool fitsCp1252(const QString& text) {
    const QString composed = text.normalized(QString::NormalizationForm_C);
    return toQString(toCp1252(composed)) == composed;
}

} // namespace korvel
