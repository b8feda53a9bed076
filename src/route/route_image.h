#pragma once
// The route file's layout: the current layout "RVRA3" (5638 bytes, written and read) and the 16-bit
// layout "RVRA2" (read only, converted by the next write).
//
// The 16-bit layout ends with `radioIndex` and three choices that exist in two forms: three
// 2-byte fields (794 bytes in all) or three 8-byte fields of which the first 2 bytes count
// (812 bytes). The file's length tells them apart: 812 bytes or more is the 8-byte form.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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

} // namespace korvel
