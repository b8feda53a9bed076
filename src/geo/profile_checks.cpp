#include "geo/profile_checks.h"

#include <cmath>

#include "engine/number_text.h"

namespace korvel {

namespace {

std::string kilometres(double km) {
    return formatNumbers("%.3f km", km);
}

} // namespace

std::optional<ProfileFault> profileFault(const TerrainProfile& profile) {
    if (profile.size() < 2) {
        return ProfileFault{0, "a profile needs at least two points, one at each station"};
    }
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const ProfilePoint& point = profile[i];
        if (!std::isfinite(point.distanceKm) || !std::isfinite(point.groundM) ||
            !std::isfinite(point.clutterM)) {
            return ProfileFault{i, "a distance or height is not a finite number"};
        }
        if (point.clutterM < 0.0) {
            return ProfileFault{i, "the clutter height is negative"};
        }
        if (i == 0) {
            if (std::fabs(point.distanceKm) > kProfileEndToleranceKm) {
                return ProfileFault{i, "the first point is at " + kilometres(point.distanceKm) +
                                           ", not at station 1 (0 km)"};
            }
            continue;
        }
        const double before = profile[i - 1].distanceKm;
        if (point.distanceKm == before) {
            return ProfileFault{i, "distance " + kilometres(point.distanceKm) +
                                       " repeats the point before"};
        }
        if (point.distanceKm < before) {
            return ProfileFault{i, "distance " + kilometres(point.distanceKm) + " comes after " +
                                       kilometres(before) + "; points must be sorted by distance"};
        }
    }
    return std::nullopt;
}

bool profileReaches(const TerrainProfile& profile, double hopLengthKm) {
    return !profile.empty() &&
           std::fabs(profile.back().distanceKm - hopLengthKm) <= kProfileEndToleranceKm;
}

} // namespace korvel
