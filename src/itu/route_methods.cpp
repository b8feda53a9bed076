#include "itu/route_methods.h"

#include <array>

namespace korvel::itu {
namespace {

constexpr std::size_t kMostHops = 20;

} // namespace

RouteMethodTotal routeMethodTotal(std::span<const MethodResult* const> hops) {
    RouteMethodTotal total;
    if (hops.empty() || hops.size() > kMostHops)
        return total;
    std::array<double, kMostHops> pcts{};
    std::array<double, kMostHops> margins{};
    std::array<HopRainOutage, kMostHops> rain{};
    bool everyTotal = true;
    bool everyMargin = true;
    for (std::size_t i = 0; i < hops.size(); ++i) {
        const MethodResult& hop = *hops[i];
        everyTotal = everyTotal && hop.totalWorstMonthPct.has_value();
        everyMargin = everyMargin && hop.fadeMarginDb.has_value();
        pcts[i] = hop.totalWorstMonthPct.value_or(0.0);
        margins[i] = hop.fadeMarginDb.value_or(0.0);
        if (hop.rain && (hop.rain->outagePct || hop.rain->outageBound != RainBound::None))
            rain[i] = {hop.rain->outagePct, hop.rain->outageBound == RainBound::AboveHighest};
        else
            total.rainComplete = false;
    }
    const std::size_t n = hops.size();
    if (everyMargin)
        total.fadeDepthDb = routeFadeDepthDb(std::span(margins.data(), n));
    if (everyTotal && total.fadeDepthDb)
        total.worstMonthPct = simultaneousFadingPct(std::span(pcts.data(), n), *total.fadeDepthDb);
    if (total.rainComplete)
        total.rain = routeRainOutage(std::span(rain.data(), n));
    return total;
}

} // namespace korvel::itu
