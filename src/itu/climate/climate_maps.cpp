#include "itu/climate/climate_maps.h"

namespace korvel {

ClimateMaps ClimateMaps::open(const ClimateCache& cache, std::vector<std::string>& errors) {
    ClimateMaps maps;
    for (std::size_t i = 0; i < kClimateKindCount; ++i) {
        CachedGridOpening opening = cache.open(climateKindAt(i));
        if (!opening.error.empty()) {
            errors.push_back(std::move(opening.error));
        }
        maps.grids_[i] = std::move(opening.grid);
    }
    return maps;
}

const CachedGrid* ClimateMaps::grid(ClimateKind kind) const {
    return grids_[climateKindIndex(kind)].get();
}

std::optional<ClimateMapValue> ClimateMaps::at(ClimateKind kind, GeoPoint point) const {
    const CachedGrid* found = grid(kind);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto value = found->view().at(point.latitudeDeg, point.longitudeDeg);
    if (!value) {
        return std::nullopt;
    }
    return ClimateMapValue{*value, climateKindFacts(kind).unit,
                           gridSourceText(found->provenance())};
}

std::optional<MonthlyClimate> ClimateMaps::monthlyAt(GeoPoint point) const {
    MonthlyClimate monthly;
    for (std::size_t m = 1; m <= kMonths; ++m) {
        const auto rain = at(monthlyRainKind(m), point);
        const auto temperature = at(monthlyTemperatureKind(m), point);
        if (!rain || !temperature) {
            return std::nullopt;
        }
        monthly.rainfallMm[m - 1] = rain->value;
        monthly.temperatureK[m - 1] = temperature->value;
    }
    const auto& rain = grid(monthlyRainKind(1))->provenance();
    const auto& temperature = grid(monthlyTemperatureKind(1))->provenance();
    monthly.source = rain.recommendation + " monthly rainfall and " + temperature.recommendation +
                     " monthly temperature, imported " + rain.importDate;
    return monthly;
}

std::string gridSourceText(const GridProvenance& provenance) {
    const auto slash = provenance.sourceFile.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? provenance.sourceFile
                                                        : provenance.sourceFile.substr(slash + 1);
    return provenance.recommendation + " " + name + ", imported " + provenance.importDate;
}

std::optional<GeoPoint> climateLocation(const HopSites& sites) {
    if (!sites.stations[0] || !sites.stations[1]) {
        return std::nullopt;
    }
    return geodesicMidpoint(geoPointOf(*sites.stations[0]), geoPointOf(*sites.stations[1]));
}

} // namespace korvel
