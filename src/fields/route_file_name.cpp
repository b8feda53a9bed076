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
           std::all_of(text.begin(), text.end(), isAllowed);
}

} // namespace korvel
