#include "geo/terrain_profile.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "geo/path_geometry.h"
#include "geo/profile_checks.h"
#include "geo/site_ranges.h"

namespace korvel {

namespace {

std::string noDataAt(const GeodesicSample& sample) {
    return formatNumbers("no elevation data at %.5f %c, %.5f %c (%.3f km from station 1)",
                         std::fabs(sample.point.latitudeDeg),
                         sample.point.latitudeDeg < 0 ? 'S' : 'N',
                         std::fabs(sample.point.longitudeDeg),
                         sample.point.longitudeDeg < 0 ? 'W' : 'E', sample.distanceKm);
}

// The SRTM name of the 1-degree tile holding the point: N60E025 from its south-west corner.
std::string tileName(GeoPoint point) {
    const auto south = static_cast<int>(std::floor(point.latitudeDeg));
    const auto west = static_cast<int>(std::floor(point.longitudeDeg));
    return formatNumbers("%c%02d%c%03d", south < 0 ? 'S' : 'N', std::abs(south),
                         west < 0 ? 'W' : 'E', std::abs(west));
}

// "; no model covers N60E025 (20.000-27.500 km), ..." for the samples without data, in order
// along the path.
std::string uncoveredTiles(const std::vector<GeodesicSample>& missing) {
    std::vector<std::pair<std::string, std::pair<double, double>>> tiles;
    for (const GeodesicSample& sample : missing) {
        const std::string name = tileName(sample.point);
        auto known = std::ranges::find(tiles, name, [](const auto& tile) { return tile.first; });
        if (known == tiles.end()) {
            tiles.push_back({name, {sample.distanceKm, sample.distanceKm}});
        } else {
            known->second.second = sample.distanceKm;
        }
    }
    std::string text = "; no model covers ";
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        text += (i == 0 ? "" : ", ") + tiles[i].first +
                formatNumbers(" (%.3f-%.3f km)", tiles[i].second.first, tiles[i].second.second);
    }
    return text;
}

// Finer than a tenth of a cell, the bilinear surface between cell centres shows nothing new.
constexpr double kCellsPerFinestStep = 10.0;
// A model that states no usable cell size still gets a step: one metre.
constexpr double kFallbackMinimumStepKm = 0.001;

// Why `stepKm` cannot sample `lengthKm`, or nothing.
std::optional<std::string> stepFault(const ElevationModel& model, double lengthKm, double stepKm) {
    const double leastKm = minimumProfileStepKm(model);
    if (!(stepKm >= leastKm) || !std::isfinite(stepKm)) {
        return formatNumbers("the step must be at least %.3g m, a tenth of the model's cell",
                             leastKm * kMetresPerKm);
    }
    if (lengthKm / stepKm >= static_cast<double>(kMaxProfilePoints - 1)) {
        return formatNumbers(
            "a step of %g m makes more than %zu points over %.3f km; take a "
            "step of at least %g m",
            stepKm * kMetresPerKm, kMaxProfilePoints, lengthKm,
            std::ceil(lengthKm / static_cast<double>(kMaxProfilePoints - 1) * kMetresPerKm));
    }
    return std::nullopt;
}

} // namespace

double minimumProfileStepKm(const ElevationModel& model) {
    const double cellKm = model.cellSizeM() / kMetresPerKm;
    return std::isfinite(cellKm) && cellKm > 0.0 ? cellKm / kCellsPerFinestStep
                                                 : kFallbackMinimumStepKm;
}

double defaultProfileStepKm(const ElevationModel& model) {
    return model.cellSizeM() / kMetresPerKm;
}

ProfileSampling sampleProfile(const ElevationModel& model, GeoPoint station1, GeoPoint station2,
                              double stepKm, const SamplingProgress& progress) {
    ProfileSampling sampling;
    const double lengthKm = geodesicLengthKm(station1, station2);
    if (!(lengthKm > 0.0)) {
        return {{}, "the two sites are at the same place; a profile needs two ends"};
    }
    if (auto fault = stepFault(model, lengthKm, stepKm)) {
        return {{}, std::move(*fault)};
    }
    const auto samples = geodesicSamples(station1, station2, stepKm);
    sampling.profile.reserve(samples.size());
    std::vector<GeodesicSample> missing;
    std::size_t done = 0;
    for (const GeodesicSample& sample : samples) {
        const auto groundM = model.elevationM(sample.point.latitudeDeg, sample.point.longitudeDeg);
        if (auto fault = model.readFault(); !fault.empty()) {
            return {{}, std::move(fault)};
        }
        if (!groundM) {
            missing.push_back(sample);
        } else if (missing.empty()) {
            sampling.profile.push_back({sample.distanceKm, *groundM});
        }
        if (progress && !progress(++done, samples.size())) {
            return {{}, "the reading of the terrain was cancelled", true};
        }
    }
    if (!missing.empty()) {
        return {{}, noDataAt(missing.front()) + uncoveredTiles(missing)};
    }
    // A model's cell may hold a fill value it does not declare as "no data".
    if (const auto fault = profileFault(sampling.profile)) {
        const GeodesicSample& at = samples[std::min(fault->index, samples.size() - 1)];
        return {{}, fault->text + formatNumbers(" (%.3f km from station 1)", at.distanceKm)};
    }
    return sampling;
}

} // namespace korvel
