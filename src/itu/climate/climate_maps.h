#pragma once
// The installed climate grids opened together, and the values they give at a point: what the
// current methods read at a hop's location (the WGS84 geodesic midpoint of its path).

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geo/geodesic.h"
#include "geo/hop_sites.h"
#include "itu/climate/climate_cache.h"

namespace korvel {

struct ClimateMapValue {
    double value = 0.0;
    std::string_view unit; // "N/km", "mm/h", "" for logK
    std::string source;    // "ITU-R P.837-7 R001.TXT, imported 2026-12-07"
};

// The twelve months at a point, January first, for P.837-7 Annex 1.
struct MonthlyClimate {
    std::array<double, kMonths> rainfallMm{};    // MT01..MT12, mm per month
    std::array<double, kMonths> temperatureK{};  // T01..T12, K
    std::string source; // "ITU-R P.837-7 MT_Month01..12 and ITU-R P.1510-1 T_Month01..12, ..."
};

class ClimateMaps {
  public:
    // Every installed grid; a damaged cache file is left out with a message in `errors`.
    static ClimateMaps open(const ClimateCache& cache, std::vector<std::string>& errors);

    [[nodiscard]] const CachedGrid* grid(ClimateKind kind) const;
    // The bilinear value at a point; nothing without the grid or outside its coverage.
    [[nodiscard]] std::optional<ClimateMapValue> at(ClimateKind kind, GeoPoint point) const;
    // Nothing unless all 24 monthly grids are installed and cover the point.
    [[nodiscard]] std::optional<MonthlyClimate> monthlyAt(GeoPoint point) const;

  private:
    std::array<std::unique_ptr<CachedGrid>, kClimateKindCount> grids_;
};

// How a value's source reads: the recommendation, the file's own name and the import date.
std::string gridSourceText(const GridProvenance& provenance);

// Where a hop's climate is read: the geodesic midpoint of its two sites, if it has both.
std::optional<GeoPoint> climateLocation(const HopSites& sites);

} // namespace korvel
