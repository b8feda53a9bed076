#pragma once
// Where the files of a route live.
//
// The route file keeps its folder in the 50-byte `directory` field, which cannot hold every
// folder. RouteState::folder holds the full folder in memory and is the only folder the route
// file and the hop files are read from or written to. The stored field only gets what fits
// (49 characters) and is never used to find files: a stored folder may have been cut, may not
// exist on this machine or may name the place the route was moved from. A route opened from a
// file therefore always works in the folder it was opened from.
//
// Every path is built explicitly from RouteState::folder; the process's current directory is
// never changed. Names kept in the route are Windows-1252 text; they become file system paths
// (UTF-8) only here.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "route/route_record.h"

namespace korvel {

// Characters of the folder the `directory` field keeps, its terminator aside.
inline constexpr std::size_t kDirectoryFieldLength = 49;

// The folder as the `directory` field and the route screen show it: Windows-1252, cut to 49.
std::string directoryFieldText(const std::filesystem::path& folder);

// The route's folder from now on; the `directory` field follows it.
void setRouteFolder(RouteState& state, const std::filesystem::path& folder);

// A name that stays inside its folder: not empty, no "/", "\" or ":", not "." or "..".
bool isPlainFileName(std::string_view name);

// The file `name` (Windows-1252) in the route's folder; nothing when the name is not plain.
std::optional<std::filesystem::path> fileInRouteFolder(const RouteState& state,
                                                       std::string_view name);

// A folder typed as Windows-1252 text; a relative one is taken inside the route's folder.
std::filesystem::path folderFromText(const RouteState& state, std::string_view text);

// True when the `directory` field is relative (".") and names the route's own folder. Writing
// the route keeps such a field, so a route shipped with its hop files names no folder of the
// machine it was made on.
bool directoryFieldIsRelativeToRoute(const RouteState& state);

} // namespace korvel
