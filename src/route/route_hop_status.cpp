#include "route/route_hop_status.h"

#include <algorithm>

#include "engine/hop_verdict.h"
#include "engine/selective_margin.h"
#include "engine/stored_results.h"
#include "hopfile/hop_preparation.h"
#include "platform/silent_messages.h"
#include "route/route_folder.h"

namespace korvel {

namespace {

RouteHopStatus preparedHopStatus(const HopState& hop, bool calculable, double sharePct) {
    if (!hasResults(hop.results)) {
        return RouteHopStatus::NotCalculated;
    }
    if (!calculable || !storedResultsCurrent(hop)) {
        return RouteHopStatus::OutOfDate;
    }
    return meetsObjective(countedOutagePct(hop), sharePct) ? RouteHopStatus::MeetsShare
                                                           : RouteHopStatus::MissesShare;
}

RouteHopStatus loadedHopStatus(const HopState& hop, HopLoadStatus load, double sharePct) {
    if (load == HopLoadStatus::Unusable) {
        return RouteHopStatus::NotCalculated;
    }
    return preparedHopStatus(hop, load == HopLoadStatus::Loaded, sharePct);
}

} // namespace

std::string_view routeHopStatusWords(RouteHopStatus status) {
    switch (status) {
    case RouteHopStatus::MeetsShare:
        return "meets its share";
    case RouteHopStatus::MissesShare:
        return "misses its share";
    case RouteHopStatus::NotCalculated:
        return "not calculated";
    case RouteHopStatus::OutOfDate:
        return "results out of date";
    }
    return {};
}

std::string_view routeHopStatusKey(RouteHopStatus status) {
    switch (status) {
    case RouteHopStatus::MeetsShare:
        return "meetsShare";
    case RouteHopStatus::MissesShare:
        return "missesShare";
    case RouteHopStatus::NotCalculated:
        return "notCalculated";
    case RouteHopStatus::OutOfDate:
        return "outOfDate";
    }
    return {};
}

RouteHopStatus hopFileStatus(const std::filesystem::path& file, const EquipmentLibrary& library,
                             double sharePct) {
    SilentMessages silent;
    HopState hop;
    return loadedHopStatus(hop, loadHopForCalculation(file, library, silent, hop).status, sharePct);
}

StoredResultsState hopFileResultsState(const std::filesystem::path& file,
                                       const EquipmentLibrary& library) {
    switch (hopFileStatus(file, library, 0.0)) {
    case RouteHopStatus::NotCalculated:
        return StoredResultsState::None;
    case RouteHopStatus::OutOfDate:
        return StoredResultsState::OutOfDate;
    case RouteHopStatus::MeetsShare:
    case RouteHopStatus::MissesShare:
        break;
    }
    return StoredResultsState::Current;
}

RouteHopStatus editedHopStatus(const HopState& hop, const EquipmentLibrary& library,
                               double sharePct) {
    SilentMessages silent;
    HopState prepared = hop;
    const bool calculable = !pageRefusal(prepared, silent);
    if (calculable) {
        commitFeederPosition(prepared, library);
        prepareSelectiveMargin(prepared);
    }
    return preparedHopStatus(prepared, calculable, sharePct);
}

RouteHopStatuses routeHopStatuses(const RouteState& route, const EquipmentLibrary& library,
                                  const HopState* edited) {
    RouteHopStatuses statuses{};
    statuses.fill(RouteHopStatus::NotCalculated);
    const int count = std::clamp<int>(route.record.hopCount, 0, kMaxRouteHops);
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double share = route.slots[index].objective;
        if (edited != nullptr && i == route.currentHop) {
            statuses[index] = editedHopStatus(*edited, library, share);
        } else if (const auto file = fileInRouteFolder(route, route.record.hopFile[index].view())) {
            statuses[index] = hopFileStatus(*file, library, share);
        }
    }
    return statuses;
}

RouteHopStatuses routeHopStatuses(const RouteState& route, const EquipmentLibrary& library,
                                  std::span<const std::vector<std::uint8_t>> images) {
    RouteHopStatuses statuses{};
    statuses.fill(RouteHopStatus::NotCalculated);
    const auto count = std::min(images.size(), static_cast<std::size_t>(std::clamp<int>(
                                                   route.record.hopCount, 0, kMaxRouteHops)));
    for (std::size_t index = 0; index < count; ++index) {
        if (images[index].empty()) {
            continue;
        }
        SilentMessages silent;
        HopState hop;
        const HopLoadStatus load =
            loadHopForCalculation(images[index], route.record.hopFile[index].view(), library,
                                  silent, hop)
                .status;
        statuses[index] = loadedHopStatus(hop, load, route.slots[index].objective);
    }
    return statuses;
}

int notCalculatedCount(const RouteHopStatuses& statuses, int hopCount) {
    const auto count = static_cast<std::ptrdiff_t>(std::clamp(hopCount, 0, kMaxRouteHops));
    return static_cast<int>(
        std::count(statuses.begin(), statuses.begin() + count, RouteHopStatus::NotCalculated));
}

} // namespace korvel
