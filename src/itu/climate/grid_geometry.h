#pragma once
// Where the nodes of a regular latitude/longitude grid lie, and the bilinear look-up (P.1144) of a
// value between them. Longitudes are east positive; a global grid (its columns span the whole
// circle) takes any longitude and wraps it into its own range (-180..180 or 0..360).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace korvel {

struct GridGeometry {
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
    double firstLatDeg = 0.0; // latitude of row 0
    double latStepDeg = 0.0;  // from one row to the next: negative when row 0 is the north
    double firstLonDeg = 0.0; // longitude of column 0
    double lonStepDeg = 0.0;  // from one column to the next, > 0

    [[nodiscard]] bool global() const;
    [[nodiscard]] double lastLatDeg() const { return firstLatDeg + (rows - 1.0) * latStepDeg; }
    [[nodiscard]] double lastLonDeg() const { return firstLonDeg + (columns - 1.0) * lonStepDeg; }
    [[nodiscard]] std::size_t nodeCount() const { return static_cast<std::size_t>(rows) * columns; }
    // At least 2 × 2 nodes, finite nonzero steps, latitudes no further than half a step beyond
    // the poles (where the monthly rain grids put their outer nodes).
    [[nodiscard]] bool valid() const;
};

// A grid's values, row after row, as little-endian doubles (a cache file mapped into memory, or
// an image about to be written).
class GridView {
  public:
    GridView(const GridGeometry& geometry, std::span<const std::uint8_t> values)
        : geometry_(geometry), values_(values) {}

    [[nodiscard]] const GridGeometry& geometry() const { return geometry_; }
    [[nodiscard]] double node(std::size_t row, std::size_t column) const;
    // The bilinear value at a point; nothing outside the grid's coverage.
    [[nodiscard]] std::optional<double> at(double latDeg, double lonDeg) const;

  private:
    GridGeometry geometry_;
    std::span<const std::uint8_t> values_; // geometry.nodeCount() × 8 bytes
};

} // namespace korvel
