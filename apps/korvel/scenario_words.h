#pragma once
// The words of a scenario line, and the text a control shows, as the player reads them.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/qt_elided_label.h"

namespace korvel {

// The first word of `text` and what follows the one space after it.
inline std::pair<std::string, std::string> splitWord(const std::string& text) {
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return {text, {}};
    }
    return {text.substr(0, space), text.substr(space + 1)};
}

inline std::optional<int> number(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789-") != std::string::npos) {
        return std::nullopt;
    }
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

inline std::optional<bool> yesNo(const std::string& word) {
    if (word == "yes") {
        return true;
    }
    if (word == "no") {
        return false;
    }
    return std::nullopt;
}

inline QString widgetText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return fullLabelText(*label);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

} // namespace korvel
