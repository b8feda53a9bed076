#include "itu/climate/grid_geometry.h"

#include <algorithm>
#include <cmath>

#include "library/little_endian.h"

namespace korvel {

namespace {

constexpr double kTolerance = 1e-9;

// The fractional index of `value` on an axis of `count` nodes, or nothing off its ends.
std::optional<double> axisIndex(double value, double first, double step, std::uint32_t count) {
    const double index = (value - first) / step;
    const double last = count - 1.0;
    if (!(index >= -kTolerance && index <= last + kTolerance)) {
        return std::nullopt;
    }
    return std::clamp(index, 0.0, last);
}

} // namespace

bool GridGeometry::global() const {
    return (columns - 1.0) * lonStepDeg >= 360.0 - 1e-6;
}

bool GridGeometry::valid() const {
    const double beyond = std::abs(latStepDeg) / 2 + 1e-9;
    const auto inside = [=](double lat) {
        return std::isfinite(lat) && std::abs(lat) <= 90.0 + beyond;
    };
    return rows >= 2 && columns >= 2 && std::isfinite(latStepDeg) && latStepDeg != 0.0 &&
           std::isfinite(lonStepDeg) && lonStepDeg > 0.0 && std::isfinite(firstLonDeg) &&
           inside(firstLatDeg) && inside(lastLatDeg()) && std::abs(firstLonDeg) <= 360.0;
}

double GridView::node(std::size_t row, std::size_t column) const {
    const std::size_t offset = (row * geometry_.columns + column) * 8;
    return littleEndianF64(values_.subspan(offset, 8).data());
}

std::optional<double> GridView::at(double latDeg, double lonDeg) const {
    const GridGeometry& g = geometry_;
    const auto row = axisIndex(latDeg, g.firstLatDeg, g.latStepDeg, g.rows);
    // A longitude the grid holds stays as it is (a grid wider than the circle holds some twice);
    // another is brought round the circle into the grid's range.
    double lon = lonDeg;
    if (lon < g.firstLonDeg || lon > g.lastLonDeg()) {
        if (g.global()) {
            lon =
                g.firstLonDeg + std::fmod(std::fmod(lonDeg - g.firstLonDeg, 360.0) + 360.0, 360.0);
        } else {
            lon += lon < g.firstLonDeg ? 360.0 : -360.0;
        }
    }
    const auto column = axisIndex(lon, g.firstLonDeg, g.lonStepDeg, g.columns);
    if (!row || !column) {
        return std::nullopt;
    }
    const auto r0 = std::min(static_cast<std::size_t>(*row), std::size_t{g.rows} - 2);
    const auto c0 = std::min(static_cast<std::size_t>(*column), std::size_t{g.columns} - 2);
    const double dr = *row - static_cast<double>(r0);
    const double dc = *column - static_cast<double>(c0);
    // The four nodes lie inside the view (r0 + 1 < rows, c0 + 1 < columns): read them unchecked,
    // so look-ups far apart overlap their cache misses instead of waiting on per-read checks.
    const std::uint8_t* low = values_.data() + (r0 * g.columns + c0) * 8;
    const std::uint8_t* high = low + std::size_t{g.columns} * 8;
    const double first = littleEndianF64(low) * (1.0 - dc) + littleEndianF64(low + 8) * dc;
    const double next = littleEndianF64(high) * (1.0 - dc) + littleEndianF64(high + 8) * dc;
    return first * (1.0 - dr) + next * dr;
}

} // namespace korvel
