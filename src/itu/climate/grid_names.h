#pragma once
// Telling a grid file by its name: the ITU's own names (R001.TXT, MT_Month07.TXT, LogK.csv, ...)
// and those of the itur Python package's data folder (v7_r001.npz, v12_lat0d75.npz, ...), any
// case, with the files of latitudes and longitudes that go with some of them.

#include <optional>
#include <string_view>

#include "itu/climate/climate_kind.h"

namespace korvel {

enum class GridFileRole { Values, Latitudes, Longitudes };

struct GridName {
    GridFileRole role = GridFileRole::Values;
    GridFamily family = GridFamily::DN1;
    std::optional<ClimateKind> kind; // with Values
};

std::optional<GridName> gridNameOf(std::string_view fileName);

} // namespace korvel
