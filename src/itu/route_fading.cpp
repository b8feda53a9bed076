#include "itu/route_fading.h"

#include <cmath>

#include "itu/rain_attenuation.h"

namespace korvel::itu {

double simultaneousFadingPct(std::span<const double> hopPcts, double fadeDepthDb) {
    const double c = fadeDepthDb <= 40.0 ? 0.5 + 0.0046 * fadeDepthDb : 0.68;
    double total = 0;
    for (std::size_t i = 0; i < hopPcts.size(); ++i) {
        total += hopPcts[i];
        if (i + 1 < hopPcts.size())
            total -= std::pow(hopPcts[i] * hopPcts[i + 1], c);
    }
    return total;
}

double routeFadeDepthDb(std::span<const double> hopMarginsDb) {
    if (hopMarginsDb.empty())
        return 0;
    double sum = 0;
    for (double m : hopMarginsDb)
        sum += m;
    return sum / static_cast<double>(hopMarginsDb.size());
}

RouteRainOutage routeRainOutage(std::span<const HopRainOutage> hops) {
    RouteRainOutage route;
    double sum = 0;
    for (const HopRainOutage& hop : hops) {
        if (hop.aboveHighest) {
            route.aboveHighest = true;
            continue;
        }
        if (hop.pct) {
            sum += *hop.pct;
        } else {
            sum += kRainLowestPct;
            ++route.hopsCountedAtLowest;
        }
    }
    if (!route.aboveHighest)
        route.pct = sum;
    return route;
}

} // namespace korvel::itu
