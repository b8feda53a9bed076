#pragma once
// Route files read and written, their radio checked against the library; the layout itself is
// route_image's.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_image.h"
#include "route/route_record.h"

namespace korvel {

// Writes the route to its `fileName` in RouteState::folder (the `directory` field takes what
// fits of the folder first, unless it is a relative name of that folder such as "."). A missing
// folder gives "Invalid route directory"; a file that cannot be opened "Could not open Routefile";
// a failed write "Could not write Routefile" and leaves any older file whole. A file of that name
// that is not a route file is never replaced (see routeFileReplaceable).
bool writeRouteFile(RouteState& state, Messages& messages);

// Reads a route file of either layout and checks its radio against the library (a radio found
// at another position updates `radioIndex`). Only a fully read and checked route replaces the
// record; the route's folder then becomes the file's folder and `fileName` its name. Failures:
// "Could not open " + name, name + " is not a valid Korvel routefile." (wrong magic or short
// file), "Invalid number of hops." or the missing-radio message. A file whose name Windows-1252
// cannot hold is refused: the route would be written back under another name.
bool readRouteFile(RouteState& state, const EquipmentLibrary& library,
                   const std::filesystem::path& file, Messages& messages);
// The same with the file's bytes already read (`image`), so that it is not read again.
bool readRouteFile(RouteState& state, const EquipmentLibrary& library,
                   const std::filesystem::path& file,
                   std::optional<std::span<const std::uint8_t>> image, Messages& messages);

// The route's radio in the library: found at `radioIndex` or searched by name.
bool checkRouteRadio(RouteRecord& record, const EquipmentLibrary& library, Messages& messages);

} // namespace korvel
