#include "itu/climate/climate_kind.h"

#include <cstdio>

namespace korvel {

namespace {

constexpr GridLayout kNorthFromZero{true, 0.0, false};
constexpr GridLayout kNorthFromWest{true, -180.0, false};
constexpr GridLayout kSouthFromWest{false, -180.0, false};
constexpr GridLayout kSouthFromWestOffset{false, -180.0, true};

ClimateKindFacts facts(const char* name, const ClimateQuantityFacts& quantity,
                       std::string_view recommendation, GridFamily family, GridLayout layout) {
    ClimateKindFacts result{{},     quantity.unit, quantity.least, quantity.most, recommendation,
                            family, layout};
    std::snprintf(result.name, sizeof result.name, "%s", name);
    return result;
}

} // namespace

ClimateKind monthlyRainKind(std::size_t month) {
    return static_cast<ClimateKind>(static_cast<std::size_t>(ClimateKind::MT01) + month - 1);
}

ClimateKind monthlyTemperatureKind(std::size_t month) {
    return static_cast<ClimateKind>(static_cast<std::size_t>(ClimateKind::T01) + month - 1);
}

ClimateKind climateKindAt(std::size_t index) {
    if (index < 5) {
        return static_cast<ClimateKind>(index + 1);
    }
    return index < 5 + kMonths ? monthlyRainKind(index - 4) : monthlyTemperatureKind(index - 16);
}

std::size_t climateKindIndex(ClimateKind kind) {
    const auto number = static_cast<std::size_t>(kind);
    if (number >= static_cast<std::size_t>(ClimateKind::T01)) {
        return 5 + kMonths + number - static_cast<std::size_t>(ClimateKind::T01);
    }
    if (number >= static_cast<std::size_t>(ClimateKind::MT01)) {
        return 5 + number - static_cast<std::size_t>(ClimateKind::MT01);
    }
    return number - 1;
}

ClimateKindFacts climateKindFacts(ClimateKind kind) {
    const auto number = static_cast<unsigned>(kind);
    switch (kind) {
    case ClimateKind::DN1:
        return facts("dN1", climateQuantityFacts(ClimateQuantity::DN1), "ITU-R P.453-14",
                     GridFamily::DN1, kNorthFromZero);
    case ClimateKind::Sa:
        return facts("sa", climateQuantityFacts(ClimateQuantity::Sa), "ITU-R P.530-17",
                     GridFamily::Sa, kNorthFromZero);
    case ClimateKind::LogK:
        return facts("logK", climateQuantityFacts(ClimateQuantity::LogK), "ITU-R P.530-18",
                     GridFamily::LogK, kNorthFromWest);
    case ClimateKind::DN75:
        return facts("dN75", climateQuantityFacts(ClimateQuantity::DN75), "ITU-R P.530-18",
                     GridFamily::DN75, kNorthFromWest);
    case ClimateKind::R001:
        return facts("R001", climateQuantityFacts(ClimateQuantity::R001), "ITU-R P.837-7",
                     GridFamily::R001, kSouthFromWest);
    default:
        break;
    }
    char name[8];
    if (number >= 201) {
        std::snprintf(name, sizeof name, "T%02u", (number - 200) % 100);
        // Surface temperatures in K, from polar winter to desert summer.
        return facts(name, {"", "K", 150.0, 350.0}, "ITU-R P.1510-1",
                     GridFamily::MonthlyTemperature, kSouthFromWest);
    }
    std::snprintf(name, sizeof name, "MT%02u", (number - 100) % 100);
    // Monthly rainfall in mm; the wettest months on record stay below 10 m.
    return facts(name, {"", "mm", 0.0, 10000.0}, "ITU-R P.837-7", GridFamily::MonthlyRain,
                 kSouthFromWestOffset);
}

std::optional<ClimateKind> climateKindNamed(std::string_view name) {
    for (std::size_t i = 0; i < kClimateKindCount; ++i) {
        if (std::string_view(climateKindFacts(climateKindAt(i)).name) == name) {
            return climateKindAt(i);
        }
    }
    return std::nullopt;
}

std::optional<ClimateKind> climateKindOf(ClimateQuantity quantity) {
    switch (quantity) {
    case ClimateQuantity::DN1:
        return ClimateKind::DN1;
    case ClimateQuantity::Sa:
        return ClimateKind::Sa;
    case ClimateQuantity::LogK:
        return ClimateKind::LogK;
    case ClimateQuantity::DN75:
        return ClimateKind::DN75;
    case ClimateQuantity::R001:
        return ClimateKind::R001;
    case ClimateQuantity::HtM:
        break;
    }
    return std::nullopt;
}

} // namespace korvel
