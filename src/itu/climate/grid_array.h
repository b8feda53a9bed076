#pragma once
// A grid file's numbers as rows and columns, before anyone says where they lie: the ITU's text
// grids (numbers separated by blanks or commas, one row a line) and NumPy's .npy arrays (what an
// .npz holds). A one-dimensional array is one row.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "itu/climate/stop_asked.h"

namespace korvel {

struct GridArray {
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
    std::vector<double> values; // row after row
};

struct GridArrayRead {
    std::optional<GridArray> array;
    std::string error; // when no array: "line 7: \"n/a\" is not a number"
};

// A stopped read gives no array and the error kStoppedRead.
inline constexpr std::string_view kStoppedRead = "stopped";

GridArrayRead readTextGrid(std::span<const std::uint8_t> bytes, const StopAsked& stopAsked = {});
// Numeric arrays only (little-endian integers or floats); an array of texts, objects or
// complex numbers, or one cut short, is refused.
GridArrayRead readNpyArray(std::span<const std::uint8_t> bytes);

} // namespace korvel
