#include "fields/route_file_name.h"

#include <algorithm>

namespace korvel {

namespace {

constexpr std::string_view kAllowedPunctuation = " _$%@-+'(){}^#&!`~.";
// ä Ä ö Ö å Å in Windows-1252.
constexpr std::string_view kNordicLetters = "\xE4\xC4\xF6\xD6\xE5\xC5";

bool isAllowed(char ch) {
    const bool asciiLetterOrDigit =
        (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
    return asciiLetterOrDigit || kAllowedPunctuation.find(ch) != std::string_view::npos ||
           kNordicLetters.find(ch) != std::string_view::npos;
}

} // namespace

bool isRouteFileName(std::string_view text) {
    return !text.empty() && text.size() <= kMaxRouteFileNameLength &&
           firstRefusedCharacter(text) == std::string_view::npos;
}

std::size_t firstRefusedCharacter(std::string_view text) {
    const auto refused = std::find_if_not(text.begin(), text.end(), isAllowed);
    return refused == text.end() ? std::string_view::npos
                                 : static_cast<std::size_t>(refused - text.begin());
}

} // namespace korvel
