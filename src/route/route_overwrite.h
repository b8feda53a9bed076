#pragma once
// What a route may write over. A route file replaces only a route file and a hop file of a route
// slot only a hop file, each recognised by its content (magic and the length of its layout).
// Anything else that stands at the name (another program's file, a folder, a device, a link to
// one or a link to nothing) is refused with a message naming it, before anything is written.

#include <filesystem>

#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

enum class ExistingFile { Absent, Route, Hop, Other };

// What stands at `file`; a link counts as what it points at. Only a regular file is read.
ExistingFile existingFileKind(const std::filesystem::path& file);

// The route's own file may be written: absent or a route file. Otherwise
// "NAME exists and is not a Korvel routefile: it is not replaced.".
bool routeFileReplaceable(const RouteState& state, Messages& messages);

// Every hop slot of the route may be written: absent or a hop file, and not the route's own
// file. Otherwise "NAME exists and is not a Korvel hop file: it is not replaced." for the first
// slot that is not.
bool routeHopFilesReplaceable(const RouteState& state, Messages& messages);

} // namespace korvel
