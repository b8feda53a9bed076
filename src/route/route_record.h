#pragma once
// The one route being edited: up to 20 hops, each an ordinary hop file in the route's folder.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/fixed_text.h"

namespace korvel {

inline constexpr int kMaxRouteHops = 20;

// A hop count the route's tables can hold. A count outside it is refused with this message
// before any table is touched.
constexpr bool isValidHopCount(int count) {
    return count >= 0 && count <= kMaxRouteHops;
}
inline constexpr std::string_view kInvalidHopCountText = "Invalid number of hops.";

// The most of a typed route file name or information line that is taken (their fields hold 40
// characters with the terminator).
inline constexpr std::size_t kRouteTypedTextLength = 39;

enum class DivisionMethod : std::int16_t { Number = 1804, Length = 1805, Manual = 1806 };

// Stored as a byte image in the route file, in this order.
struct RouteRecord {
    FixedText<50> directory; // what fits of the route folder; see RouteState::folder
    FixedText<50> fileName;  // route file name without folder
    FixedText<40> info;
    std::array<std::uint8_t, 4> padding{};
    double objective = 0;   // route outage objective, %
    double totalOutage = 0; // %, as last summed
    std::array<double, kMaxRouteHops> hopOutage{};
    std::array<double, kMaxRouteHops> hopRain{}; // -1: not computed
    std::int16_t hopCount = 0;
    DivisionMethod divisionMethod = DivisionMethod::Number;
    std::array<FixedText<256>, kMaxRouteHops> hopFile{};
    FixedText<20> radioName;
    std::int16_t radioIndex = 0;
    std::int16_t ptxChoice = 1008;
    std::int16_t prxthChoice = 1015;
    std::int16_t berExponent = 0;
};

// What the route needs of each hop file; refilled from the hop files, never saved.
struct RouteHopSlot {
    FixedText<20> station1;
    FixedText<20> station2;
    double objective = 0; // %
    double lengthKm = 0;
    double outage = 0;       // % (p without diversity, pd with)
    double rainUnavail = -1; // annual %, -1: not computed
};

struct RouteState {
    RouteRecord record;
    std::array<RouteHopSlot, kMaxRouteHops> slots{};
    // The full route folder. The 50-byte directory field cannot hold every folder, so the folder
    // in memory is the one files are read from and written to.
    std::filesystem::path folder;
    // The annual rain unavailability allowed over the route, % of a year, from the route's
    // sidecar file; none: not judged.
    std::optional<double> availabilityObjectivePct;
    int currentHop = 0;
    bool overwriteRadioData = true;
    bool overwriteBasicData = true;
    bool disregardChanges = false;
    bool routeHopActive = false;
};

} // namespace korvel
