#pragma once
// The name of a route's hop file as the user types it: a plain name in the current directory.

#include <cstddef>
#include <string_view>

namespace korvel {

inline constexpr std::size_t kMaxRouteFileNameLength = 252; // characters

// 1 to 252 characters (Windows-1252 bytes), each an ASCII letter or digit, a blank, one of
// _ $ % @ - + ' ( ) { } ^ # & ! ` ~ . or one of the letters ä Ä ö Ö å Å. Anything else fails,
// "\" and ":" among them, so the name holds no directory or drive.
[[nodiscard]] bool isRouteFileName(std::string_view text);

// The position of the first character of `text` that a file name of a route cannot hold, or
// std::string_view::npos.
[[nodiscard]] std::size_t firstRefusedCharacter(std::string_view text);

} // namespace korvel
