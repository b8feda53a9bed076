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
#include "itu/climate/climate_cache.h"
#include "itu/rain_rate.h"

namespace korvel {

// A value read off a map; its texts live as long as the maps.
struct ClimateMapValue {
    double value = 0.0;
    std::string_view unit;   // "N/km", "mm/h", "" for logK
    std::string_view source; // "ITU-R P.837-7 R001.TXT, imported 2026-12-07"
};

class ClimateMaps {
  public:
    // Every installed grid; a damaged cache file is left out with a message in `errors`.
    static ClimateMaps open(const ClimateCache& cache, std::vector<std::string>& errors);

    [[nodiscard]] const CachedGrid* grid(ClimateKind kind) const;
    // The bilinear value at a point; nothing without the grid or outside its coverage.
    [[nodiscard]] std::optional<ClimateMapValue> at(ClimateKind kind, GeoPoint point) const;
    // The twelve monthly rainfalls and temperatures (P.837-7 Annex 1 reads them); nothing
    // unless all 24 monthly grids are installed and cover the point.
    [[nodiscard]] std::optional<itu::MonthlyClimate> monthlyAt(GeoPoint point) const;
    // R0.01 from the R001 map when installed, else by P.837-7 Annex 1 from the monthly maps,
    // the source saying which; nothing without either.
    [[nodiscard]] std::optional<ClimateMapValue> rainRate001At(GeoPoint point) const;

  private:
    std::array<std::unique_ptr<CachedGrid>, kClimateKindCount> grids_;
    std::array<std::string, kClimateKindCount> sources_; // gridSourceText of each installed grid
    std::string annex1Source_;                           // when all monthly grids are installed
};

// How a value's source reads: the recommendation, the file's own name and the import date.
std::string gridSourceText(const GridProvenance& provenance);

} // namespace korvel
