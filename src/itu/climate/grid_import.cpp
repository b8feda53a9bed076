#include "itu/climate/grid_import.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "itu/climate/grid_array.h"
#include "itu/climate/grid_names.h"
#include "itu/climate/sha256.h"

namespace korvel {

namespace {

constexpr std::string_view kKinds = "dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12";
constexpr double kAxisTolerance = 1e-5; // degrees: text axes carry a few decimals

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The kinds whose ITU shape no other kind shares.
std::optional<ClimateKind> kindByShape(const GridArray& array) {
    if (array.rows == 1441 && array.columns == 2881) {
        return ClimateKind::R001;
    }
    if (array.rows == 361 && array.columns == 721) {
        return ClimateKind::Sa;
    }
    return std::nullopt;
}

// Where the nodes lie by the ITU layout of the kind, the step taken from the row count.
std::optional<GridGeometry> layoutGeometry(const ClimateKindFacts& facts, const GridArray& array,
                                           std::string& error) {
    const bool half = facts.layout.halfStepBeyond;
    const double extra = half ? 2.0 : 1.0;
    const double step = 180.0 / (array.rows - extra);
    const double columns = std::round(360.0 / step) + extra;
    if (array.rows < 3 || std::abs(360.0 / step - std::round(360.0 / step)) > 1e-9 ||
        array.columns != columns) {
        error = std::to_string(array.rows) + " rows and " + std::to_string(array.columns) +
                " columns are not the shape of a global " + facts.name + " grid";
        return std::nullopt;
    }
    const double edge = 90.0 + (half ? step / 2 : 0.0);
    return GridGeometry{array.rows,
                        array.columns,
                        facts.layout.northFirst ? edge : -edge,
                        facts.layout.northFirst ? -step : step,
                        facts.layout.westDeg - (half ? step / 2 : 0.0),
                        step};
}

// The latitudes (down the first column) or longitudes (along the first row) of an axis file:
// a full mesh of the grid's shape, or a single row or column.
std::optional<std::vector<double>> axisOf(const GridArray& axis, std::uint32_t count,
                                          const GridArray& grid, bool latitudes) {
    std::vector<double> values;
    if (axis.rows == grid.rows && axis.columns == grid.columns) {
        for (std::uint32_t i = 0; i < count; ++i) {
            values.push_back(latitudes ? axis.values[std::size_t{i} * axis.columns]
                                       : axis.values[i]);
        }
    } else if (axis.values.size() == count && (axis.rows == 1 || axis.columns == 1)) {
        values = axis.values;
    } else {
        return std::nullopt;
    }
    const double step = (values.back() - values.front()) / (count - 1.0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::abs(values[i] - (values.front() + static_cast<double>(i) * step)) >
            kAxisTolerance) {
            return std::nullopt;
        }
    }
    return values;
}

bool coversGlobe(const GridGeometry& g) {
    return g.valid() && g.global() &&
           std::min(g.firstLatDeg, g.lastLatDeg()) <= -90.0 + kAxisTolerance &&
           std::max(g.firstLatDeg, g.lastLatDeg()) >= 90.0 - kAxisTolerance;
}

// The first value outside the kind's range, said with its place; empty when all fit.
std::string rangeFault(const GridArray& array, const ClimateKindFacts& facts) {
    for (std::size_t i = 0; i < array.values.size(); ++i) {
        const double value = array.values[i];
        if (value < facts.least || value > facts.most) {
            return "row " + std::to_string(i / array.columns + 1) + ", column " +
                   std::to_string(i % array.columns + 1) + ": " + number(value) + " is outside " +
                   number(facts.least) + " to " + number(facts.most) + " " +
                   std::string(facts.unit) + " for " + facts.name;
        }
    }
    return {};
}

class Importer {
  public:
    Importer(const ImportRequest& request, GridFileSearch& search)
        : request_(request), files_(search.files) {}

    // The grid of file `index`, or nothing after saying why.
    std::optional<ImportedGrid> grid(std::size_t index, std::vector<std::string>& errors) {
        const GridFile& file = files_[index];
        const auto name = gridNameOf(file.name);
        if (!(file.named && request_.as) && name && name->role != GridFileRole::Values) {
            return std::nullopt; // an axis file, read with its grid
        }
        const GridArrayRead read = readArray(file);
        if (!read.array) {
            errors.push_back(file.origin + ": " + read.error);
            return std::nullopt;
        }
        std::optional<ClimateKind> kind = file.named && request_.as ? request_.as : std::nullopt;
        kind = kind ? kind : name ? name->kind : kindByShape(*read.array);
        if (!kind) {
            errors.push_back(file.origin + ": cannot tell which grid this is from its name or " +
                             "shape; name it with --as " + std::string(kKinds));
            return std::nullopt;
        }
        const ClimateKindFacts facts = climateKindFacts(*kind);
        std::string error;
        const auto geometry = geometryOf(index, facts, *read.array, error);
        if (error.empty()) {
            error = rangeFault(*read.array, facts);
        }
        if (!error.empty()) {
            errors.push_back(file.origin + ": " + error);
            return std::nullopt;
        }
        const auto& source = file.fileBytes.empty() ? file.bytes : file.fileBytes;
        return ImportedGrid{*kind,
                            *geometry,
                            std::move(read.array->values),
                            {file.origin, std::string(facts.recommendation),
                             sha256Hex(sha256(source)), request_.importDate}};
    }

  private:
    GridArrayRead readArray(const GridFile& file) const {
        return file.npy ? readNpyArray(file.bytes) : readTextGrid(file.bytes, request_.stopAsked);
    }

    std::optional<GridGeometry> geometryOf(std::size_t index, const ClimateKindFacts& facts,
                                           const GridArray& array, std::string& error) {
        const GridArray* lat = axis(index, facts.family, GridFileRole::Latitudes, error);
        const GridArray* lon = axis(index, facts.family, GridFileRole::Longitudes, error);
        if (!error.empty()) {
            return std::nullopt;
        }
        if (!lat || !lon) {
            return layoutGeometry(facts, array, error);
        }
        const auto lats = axisOf(*lat, array.rows, array, true);
        const auto lons = axisOf(*lon, array.columns, array, false);
        if (!lats || !lons) {
            error = "its latitude or longitude file is not a regular axis of " +
                    std::to_string(array.rows) + " rows and " + std::to_string(array.columns) +
                    " columns";
            return std::nullopt;
        }
        const GridGeometry geometry{
            array.rows,    array.columns,
            lats->front(), (lats->back() - lats->front()) / (array.rows - 1.0),
            lons->front(), (lons->back() - lons->front()) / (array.columns - 1.0)};
        if (!coversGlobe(geometry)) {
            error = "its latitude and longitude files do not make a global grid";
            return std::nullopt;
        }
        return geometry;
    }

    // The axis file of the family beside file `index`, read once; null when there is none.
    const GridArray* axis(std::size_t index, GridFamily family, GridFileRole role,
                          std::string& error) {
        for (std::size_t i = 0; i < files_.size(); ++i) {
            const auto name = gridNameOf(files_[i].name);
            if (!name || name->family != family || name->role != role ||
                files_[i].container != files_[index].container) {
                continue;
            }
            auto [found, fresh] = axes_.try_emplace(i);
            if (fresh) {
                const GridArrayRead read = readArray(files_[i]);
                found->second = read.array.value_or(GridArray{});
                if (!read.array) {
                    error = files_[i].origin + ": " + read.error;
                }
            }
            return found->second.values.empty() ? nullptr : &found->second;
        }
        return nullptr;
    }

    const ImportRequest& request_;
    const std::vector<GridFile>& files_;
    std::map<std::size_t, GridArray> axes_;
};

} // namespace

ImportResult importClimateGrids(const ImportRequest& request) {
    GridFileSearch search = findGridFiles(
        request.paths, [](std::string_view name) { return gridNameOf(name).has_value(); },
        request.unpackLimit, request.stopAsked);
    ImportResult result{{}, std::move(search.errors)};
    Importer importer(request, search);
    std::map<ClimateKind, std::string> origins;
    const auto stopped = [&request] { return request.stopAsked && request.stopAsked(); };
    for (std::size_t i = 0; i < search.files.size(); ++i) {
        if (stopped()) {
            return {{}, {}, true};
        }
        auto grid = importer.grid(i, result.errors);
        if (!grid) {
            continue;
        }
        const auto [before, fresh] = origins.try_emplace(grid->kind, grid->provenance.sourceFile);
        if (!fresh) {
            result.errors.push_back(std::string(climateKindFacts(grid->kind).name) +
                                    ": given twice (" + before->second + " and " +
                                    grid->provenance.sourceFile + ")");
        }
        result.grids.push_back(std::move(*grid));
    }
    if (stopped()) {
        return {{}, {}, true}; // the last file's read may have been cut short
    }
    if (result.grids.empty() && result.errors.empty()) {
        result.errors.emplace_back("no climate grid found (names such as R001.TXT, LogK.csv or "
                                   "v7_mt_month01.npz; --as " +
                                   std::string(kKinds) + " for a file named otherwise)");
    }
    if (!result.errors.empty()) {
        result.grids.clear();
    }
    return result;
}

} // namespace korvel
