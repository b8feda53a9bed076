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
        if (maps.grids_[i]) {
            maps.sources_[i] = gridSourceText(maps.grids_[i]->provenance());
        }
    }
    const CachedGrid* rain = maps.grid(monthlyRainKind(1));
    const CachedGrid* temperature = maps.grid(monthlyTemperatureKind(1));
    if (rain != nullptr && temperature != nullptr) {
        maps.annex1Source_ = rain->provenance().recommendation +
                             " Annex 1 on the monthly maps MT01..MT12 and " +
                             temperature->provenance().recommendation + " T01..T12, imported " +
                             rain->provenance().importDate;
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
    return ClimateMapValue{*value, climateKindFacts(kind).unit, sources_[climateKindIndex(kind)]};
}

std::optional<itu::MonthlyClimate> ClimateMaps::monthlyAt(GeoPoint point) const {
    itu::MonthlyClimate monthly;
    for (std::size_t m = 1; m <= kMonths; ++m) {
        const auto rain = at(monthlyRainKind(m), point);
        const auto temperature = at(monthlyTemperatureKind(m), point);
        if (!rain || !temperature) {
            return std::nullopt;
        }
        monthly.totalRainfallMm[m - 1] = rain->value;
        monthly.temperatureK[m - 1] = temperature->value;
    }
    return monthly;
}

std::optional<ClimateMapValue> ClimateMaps::rainRate001At(GeoPoint point) const {
    if (grid(ClimateKind::R001) != nullptr) {
        return at(ClimateKind::R001, point);
    }
    const auto monthly = monthlyAt(point);
    if (!monthly) {
        return std::nullopt;
    }
    return ClimateMapValue{itu::rainRateExceededMmH(*monthly, 0.01),
                           climateKindFacts(ClimateKind::R001).unit, annex1Source_};
}

std::string gridSourceText(const GridProvenance& provenance) {
    const auto slash = provenance.sourceFile.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? provenance.sourceFile
                                                        : provenance.sourceFile.substr(slash + 1);
    return provenance.recommendation + " " + name + ", imported " + provenance.importDate;
}

} // namespace korvel
