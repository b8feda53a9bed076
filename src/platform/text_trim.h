#pragma once
// Text without the blanks at either end, as the readers of lines and fields take it.

#include <string_view>

namespace korvel {

// The blanks of a line read from a file: spaces, tabs and the carriage return of a CR LF end.
inline constexpr std::string_view kLineBlanks = " \t\r";
// Every white-space character of the C locale.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

inline std::string_view trimmed(std::string_view text, std::string_view blanks = kLineBlanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace korvel
