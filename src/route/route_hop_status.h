#pragma once
// The state of each hop of a route in words: whether its outage meets its share of the route
// objective, or why that cannot be said yet.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "route/route_record.h"

namespace korvel {

enum class RouteHopStatus { MeetsShare, MissesShare, NotCalculated, OutOfDate };

using RouteHopStatuses = std::array<RouteHopStatus, static_cast<std::size_t>(kMaxRouteHops)>;

// "meets its share", "misses its share", "not calculated", "results out of date".
std::string_view routeHopStatusWords(RouteHopStatus status);
// The same for JSON: "meetsShare", "missesShare", "notCalculated", "outOfDate".
std::string_view routeHopStatusKey(RouteHopStatus status);

// A hop file of the route, loaded as for a calculation (nothing is shown): not calculated when
// it cannot be read or holds no results; out of date when its results are not what a
// calculation of its data gives now (data changed since, or no longer calculable); else its
// counted outage against its share of the route objective, %.
RouteHopStatus hopFileStatus(const std::filesystem::path& file, const EquipmentLibrary& library,
                             double sharePct);

// Whether the results a hop file keeps belong to its data: recalculated silently and compared
// (storedResultsCurrent). None: the file is unusable or holds no results.
enum class StoredResultsState { None, Current, OutOfDate };
StoredResultsState hopFileResultsState(const std::filesystem::path& file,
                                       const EquipmentLibrary& library);

// The hop being edited, by the same rule (its data as the pages last stored them).
RouteHopStatus editedHopStatus(const HopState& hop, const EquipmentLibrary& library,
                               double sharePct);

// Every hop of the route from its file in the route folder, against the objective its slot
// holds; with `edited`, the current hop is the hop being edited instead.
RouteHopStatuses routeHopStatuses(const RouteState& route, const EquipmentLibrary& library,
                                  const HopState* edited = nullptr);

// The same from the hop files' bytes already read, one image a slot; an empty image is a hop file
// that could not be read.
RouteHopStatuses routeHopStatuses(const RouteState& route, const EquipmentLibrary& library,
                                  std::span<const std::vector<std::uint8_t>> images);

// The hops among the first `hopCount` whose status is NotCalculated.
int notCalculatedCount(const RouteHopStatuses& statuses, int hopCount);

} // namespace korvel
