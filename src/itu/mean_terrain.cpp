#include "itu/mean_terrain.h"

namespace korvel::itu {

std::optional<double> profileMeanGroundM(const TerrainProfile& profile) {
    if (profile.size() < 2)
        return std::nullopt;
    const double length = profile.back().distanceKm - profile.front().distanceKm;
    if (!(length > 0))
        return std::nullopt;
    double area = 0;
    for (std::size_t i = 1; i < profile.size(); ++i)
        area += (profile[i - 1].groundM + profile[i].groundM) / 2.0 *
                (profile[i].distanceKm - profile[i - 1].distanceKm);
    return area / length;
}

InputValue meanTerrainHeight(std::optional<double> overrideM, const TerrainProfile* profile,
                             double station1GroundM, double station2GroundM) {
    if (overrideM)
        return {*overrideM, "m", kSourceOverride};
    if (profile)
        if (const std::optional<double> mean = profileMeanGroundM(*profile))
            return {*mean, "m", kSourceProfile};
    return {(station1GroundM + station2GroundM) / 2.0, "m", kSourceStations};
}

} // namespace korvel::itu
