#pragma once
// Synthetic climate grids in the ITU layouts, written at test time (no ITU data is ever stored):
// the nodes of a global grid of a given step, filled from a closed formula. A function
// a + b·lat + c·lon + d·lat·lon is one that bilinear interpolation reproduces exactly.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace korvel::test {

struct SyntheticLayout {
    double stepDeg = 5.0;
    bool northFirst = true;      // row 0 at +90, else at -90
    double westDeg = -180.0;     // column 0 (0 for grids on 0..360)
    bool halfStepBeyond = false; // nodes from -90 - step/2 to 90 + step/2 (the monthly rain grids)

    [[nodiscard]] int extra() const { return halfStepBeyond ? 2 : 1; }
    [[nodiscard]] int rows() const { return static_cast<int>(180.0 / stepDeg + 0.5) + extra(); }
    [[nodiscard]] int columns() const { return static_cast<int>(360.0 / stepDeg + 0.5) + extra(); }
    [[nodiscard]] double latitude(int row) const {
        const double edge = 90.0 + (halfStepBeyond ? stepDeg / 2 : 0.0);
        return northFirst ? edge - row * stepDeg : -edge + row * stepDeg;
    }
    [[nodiscard]] double longitude(int column) const {
        return westDeg - (halfStepBeyond ? stepDeg / 2 : 0.0) + column * stepDeg;
    }
};

using GridFormula = std::function<double(double latDeg, double lonDeg)>;

inline GridFormula bilinearFormula(double a, double b, double c, double d) {
    return [=](double lat, double lon) { return a + b * lat + c * lon + d * lat * lon; };
}

// The grid as text: one row a line, values apart by `separator`.
inline std::string gridText(const SyntheticLayout& layout, const GridFormula& formula,
                            char separator = ' ') {
    std::string text;
    char number[32];
    for (int r = 0; r < layout.rows(); ++r) {
        for (int c = 0; c < layout.columns(); ++c) {
            std::snprintf(number, sizeof number, "%.12g",
                          formula(layout.latitude(r), layout.longitude(c)));
            text += (c == 0 ? "" : std::string(1, separator)) + number;
        }
        text += "\r\n";
    }
    return text;
}

// `rows` lines of `columns` times "1": a grid long enough to be read in several stretches.
inline std::string uniformGridText(int rows, int columns) {
    std::string row = "1";
    for (int column = 1; column < columns; ++column) {
        row += " 1";
    }
    std::string text;
    for (int line = 0; line < rows; ++line) {
        text += row + "\n";
    }
    return text;
}

// The full meshes of latitudes and longitudes the ITU ships beside some grids.
inline std::string latitudeText(const SyntheticLayout& layout) {
    return gridText(layout, [](double lat, double) { return lat; });
}
inline std::string longitudeText(const SyntheticLayout& layout) {
    return gridText(layout, [](double, double lon) { return lon; });
}

// A NumPy .npy image: '<f8', C order, the given shape.
inline std::string npyImage(int rows, int columns, const std::vector<double>& values,
                            const std::string& descr = "<f8") {
    std::string header = "{'descr': '" + descr + "', 'fortran_order': False, 'shape': (" +
                         std::to_string(rows) + ", " + std::to_string(columns) + "), }";
    while ((10 + header.size() + 1) % 64 != 0) {
        header += ' ';
    }
    header += '\n';
    std::string image = "\x93NUMPY\x01";
    image += '\0';
    image += static_cast<char>(header.size() & 0xFF);
    image += static_cast<char>(header.size() >> 8);
    image += header;
    for (const double value : values) {
        image.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    return image;
}

inline std::vector<double> gridValues(const SyntheticLayout& layout, const GridFormula& formula) {
    std::vector<double> values;
    for (int r = 0; r < layout.rows(); ++r) {
        for (int c = 0; c < layout.columns(); ++c) {
            values.push_back(formula(layout.latitude(r), layout.longitude(c)));
        }
    }
    return values;
}

} // namespace korvel::test
