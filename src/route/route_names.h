#pragma once
// Names of the route file and of its hop files: the check and the default extensions.
// Names are Windows-1252 text without a folder.

#include <optional>
#include <string>
#include <string_view>

namespace korvel {

inline constexpr std::string_view kRouteFileExtension = ".ROU";
inline constexpr std::string_view kHopFileExtension = ".HOP";

// 1 to 252 characters of the allowed set; no "\" and no ":", so no folder or drive.
bool isValidRouteFileName(std::string_view name);

// The route file name as stored: ".ROU" added when it has no extension; empty stays empty.
std::string storedRouteFileName(std::string_view name);

// Why a route cannot take `name` (as typed or stored) for the file of a hop, in Windows-1252
// words, or nothing: it must be a file of the route's folder that the file name check accepts.
std::optional<std::string> hopFileNameRefusal(std::string_view name);

// A hop file name as stored: ".HOP" added when it has no extension.
std::string storedHopFileName(std::string_view name);

} // namespace korvel
