#pragma once
// Turning the ITU's grid files into grids Korvel can look up: each file told by its name (or by
// its shape when the name says nothing), placed on the globe by its latitude and longitude files
// or by the ITU layout of its kind, and every value checked against the kind's range. One bad
// file refuses the whole import, and so does a stop asked for, so nothing half-made reaches the
// cache.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "itu/climate/climate_kind.h"
#include "itu/climate/grid_array.h"
#include "itu/climate/grid_files.h"
#include "itu/climate/grid_geometry.h"

namespace korvel {

struct GridProvenance {
    std::string sourceFile;     // "R-REC-P.837-7-201706-I!!ZIP-E.zip/.../R001.TXT"
    std::string recommendation; // "ITU-R P.837-7"
    std::string sha256;         // of the source file, 64 hexadecimal digits
    std::string importDate;     // "2026-12-07"
};

struct ImportedGrid {
    ClimateKind kind = ClimateKind::DN1;
    GridGeometry geometry;
    std::vector<double> values; // row after row
    GridProvenance provenance;
};

struct ImportRequest {
    std::vector<std::filesystem::path> paths;
    std::optional<ClimateKind> as; // the kind of files named on the command line
    std::string importDate;        // "YYYY-MM-DD"
    std::uint64_t unpackLimit = kUnpackLimit;
    StopAsked stopAsked{}; // asked between files and during a long read
};

struct ImportResult {
    std::vector<ImportedGrid> grids; // empty when anything was refused
    std::vector<std::string> errors; // each naming its file
    bool stopped = false;            // stopped on request: no grids, no errors
};

ImportResult importClimateGrids(const ImportRequest& request);

} // namespace korvel
