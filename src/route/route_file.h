#pragma once
// Route files: the current layout "RVRA3" (5638 bytes, written and read) and the 16-bit layout
// "RVRA2" (read only, converted by the next write).
//
// The 16-bit layout ends with `radioIndex` and three choices that exist in two forms: three
// 2-byte fields (794 bytes in all) or three 8-byte fields of which the first 2 bytes count
// (812 bytes). The file's length tells them apart: 812 bytes or more is the 8-byte form.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

inline constexpr std::size_t kRouteFileSize = 5638;
inline constexpr std::size_t kOldRouteFileSize = 794;
inline constexpr std::size_t kOldRouteFileWideTailSize = 812;

enum class RouteFileVersion { Current = 3, SixteenBit = 2 };
enum class RouteParseError { None, WrongMagic, TooShort, InvalidHopCount };

// Parses a file image into `record`; on an error `record` is left untouched. No library check.
RouteParseError parseRouteImage(std::span<const std::uint8_t> image, RouteRecord& record,
                                RouteFileVersion& version);

// The current-layout image: all 20 slots of every table, whatever the hop count.
std::vector<std::uint8_t> routeFileImage(const RouteRecord& record);

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
