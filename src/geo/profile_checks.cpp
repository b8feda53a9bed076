#include "geo/profile_checks.h"

#include <cmath>

#include "engine/number_text.h"
#include "geo/site_ranges.h"

namespace korvel {

std::string kilometresText(double km) {
    return formatNumbers("%.3f km", km);
}

namespace {

// A height or distance beyond what the earth allows, in the words of its range.
std::optional<std::string> valueFault(const ProfilePoint& point) {
    if (!std::isfinite(point.distanceKm) || !std::isfinite(point.groundM) ||
        !std::isfinite(point.clutterM)) {
        return "a distance or height is not a finite number";
    }
    if (point.clutterM < 0.0) {
        return "the clutter height is negative";
    }
    if (point.distanceKm < 0.0) {
        return "distance " + kilometresText(point.distanceKm) + " is before station 1 (0 km)";
    }
    if (!withinRange(point.distanceKm, kProfileDistanceRangeKm)) {
        return "the distance is beyond " + kilometresText(kProfileDistanceRangeKm.most);
    }
    if (!withinRange(point.groundM, kGroundElevationRangeM)) {
        return "the ground elevation must be " + rangeInWords(kGroundElevationRangeM, "m");
    }
    if (!withinRange(point.clutterM, kClutterRangeM)) {
        return "the clutter height must be " + rangeInWords(kClutterRangeM, "m");
    }
    return std::nullopt;
}

} // namespace

std::optional<ProfileFault> profileFault(const TerrainProfile& profile) {
    if (profile.size() < 2) {
        return ProfileFault{0, "a profile needs at least two points, one at each station"};
    }
    if (profile.size() > kMaxProfilePoints) {
        return ProfileFault{kMaxProfilePoints, "a profile holds at most " +
                                                   std::to_string(kMaxProfilePoints) + " points"};
    }
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const ProfilePoint& point = profile[i];
        if (auto fault = valueFault(point)) {
            return ProfileFault{i, std::move(*fault)};
        }
        if (i == 0) {
            if (point.distanceKm > kProfileEndToleranceKm) {
                return ProfileFault{i, "the first point is at " + kilometresText(point.distanceKm) +
                                           ", not at station 1 (0 km)"};
            }
            continue;
        }
        const double before = profile[i - 1].distanceKm;
        if (point.distanceKm == before) {
            return ProfileFault{i, "distance " + kilometresText(point.distanceKm) +
                                       " repeats the point before"};
        }
        if (point.distanceKm < before) {
            return ProfileFault{i, "distance " + kilometresText(point.distanceKm) +
                                       " comes after " + kilometresText(before) +
                                       "; points must be sorted by distance"};
        }
    }
    return std::nullopt;
}

std::optional<std::string> profileEndFault(const TerrainProfile& profile, double hopLengthKm) {
    if (!(hopLengthKm > 0.0) || profileReaches(profile, hopLengthKm)) {
        return std::nullopt;
    }
    return "the profile ends at " +
           kilometresText(profile.empty() ? 0.0 : profile.back().distanceKm) + " but the hop is " +
           kilometresText(hopLengthKm) + " long";
}

bool profileReaches(const TerrainProfile& profile, double hopLengthKm) {
    return !profile.empty() &&
           std::fabs(profile.back().distanceKm - hopLengthKm) <= kProfileEndToleranceKm;
}

} // namespace korvel
