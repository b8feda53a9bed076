#include "geo/terrain_profile.h"

#include <cmath>

#include "engine/number_text.h"

namespace korvel {

namespace {

constexpr double kMetresPerKm = 1000.0;

std::string noDataAt(const GeodesicSample& sample) {
    return formatNumbers("no elevation data at %.5f %c, %.5f %c (%.3f km from station 1)",
                         std::fabs(sample.point.latitudeDeg),
                         sample.point.latitudeDeg < 0 ? 'S' : 'N',
                         std::fabs(sample.point.longitudeDeg),
                         sample.point.longitudeDeg < 0 ? 'W' : 'E', sample.distanceKm);
}

} // namespace

double defaultProfileStepKm(const ElevationModel& model) {
    return model.cellSizeM() / kMetresPerKm;
}

ProfileSampling sampleProfile(const ElevationModel& model, GeoPoint station1, GeoPoint station2,
                              double stepKm) {
    ProfileSampling sampling;
    const auto samples = geodesicSamples(station1, station2, stepKm);
    sampling.profile.reserve(samples.size());
    for (const GeodesicSample& sample : samples) {
        const auto groundM = model.elevationM(sample.point.latitudeDeg, sample.point.longitudeDeg);
        if (!groundM) {
            return {{}, noDataAt(sample)};
        }
        sampling.profile.push_back({sample.distanceKm, *groundM});
    }
    return sampling;
}

} // namespace korvel
