#pragma once
// A hop's terrain profile taken from an elevation model: the ground sampled along the geodesic
// from station 1 to station 2.

#include <cstddef>
#include <functional>
#include <string>

#include "geo/geodesic.h"
#include "geo/hop_sites.h"
#include "platform/elevation_model.h"

namespace korvel {

// The step that sees every cell of the model's finest raster, km.
double defaultProfileStepKm(const ElevationModel& model);

// The finest step worth sampling, a tenth of that cell, km.
double minimumProfileStepKm(const ElevationModel& model);

struct ProfileSampling {
    TerrainProfile profile; // from 0 km to the geodesic length, when `error` is empty
    // "no elevation data at 60.12345 N, 25.00000 E (12.300 km from station 1); no model covers
    // N60E025 (12.300-20.100 km)"
    std::string error;
    bool cancelled = false; // the progress callback stopped it; `error` says so
};

// Told after every sample taken; returning false stops the sampling.
using SamplingProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Samples at 0, stepKm, 2·stepKm, ... and at station 2. Refused for two sites at one place, a
// step below minimumProfileStepKm or one that makes more than kMaxProfilePoints points, and
// where the model has no data at a sample or a value beyond the ranges of site_ranges.h; without
// data, the error names every 1-degree tile (SRTM names) the path crosses uncovered.
ProfileSampling sampleProfile(const ElevationModel& model, GeoPoint station1, GeoPoint station2,
                              double stepKm, const SamplingProgress& progress = {});

} // namespace korvel
