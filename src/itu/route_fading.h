#pragma once
// A route's outage from its hops: simultaneous multipath fading over tandem hops (ITU-R P.530
// §2.3.7) and the rain outage as the plain sum of the hops'.

#include <optional>
#include <span>
#include <string_view>

namespace korvel::itu {

// p_T = Σ p_i − Σ (p_i·p_{i+1})^C, C = 0.5 + 0.0046·A up to A = 40 dB, 0.68 above; p_i in % of
// the worst month for the hops in route order, A the fade depth (dB), the same for every hop.
double simultaneousFadingPct(std::span<const double> hopPcts, double fadeDepthDb);

// The fade depth the route applies: the mean of its hops' fade margins, dB. Empty: 0.
double routeFadeDepthDb(std::span<const double> hopMarginsDb);

inline constexpr std::string_view kRouteRainLabel = "sum, no §2.4.6 correlation";

struct HopRainOutage {
    std::optional<double> pct; // annual %; none when only a bound is known
    bool aboveHighest = false; // bounded above 1 %
};

// The sum of the hops' rain outages, annual %. A hop bounded below 0.001 % counts 0.001 % (the
// sum stays pessimistic); a hop above 1 % leaves no number (the sum is above 1 % too).
struct RouteRainOutage {
    std::optional<double> pct;
    bool aboveHighest = false;
    int hopsCountedAtLowest = 0;
};
RouteRainOutage routeRainOutage(std::span<const HopRainOutage> hops);

} // namespace korvel::itu
