#include "itu/climate/grid_names.h"

#include <array>
#include <cctype>
#include <string>

namespace korvel {

namespace {

struct NameEntry {
    std::string_view stem; // lower case, without the extension
    GridFileRole role;
    GridFamily family;
    std::optional<ClimateKind> kind;
};

constexpr auto kValues = GridFileRole::Values;
constexpr auto kLat = GridFileRole::Latitudes;
constexpr auto kLon = GridFileRole::Longitudes;

const std::array<NameEntry, 25> kNames = {{
    {"logk", kValues, GridFamily::LogK, ClimateKind::LogK},
    {"dn75", kValues, GridFamily::DN75, ClimateKind::DN75},
    {"dn65m_01d00_v1", kValues, GridFamily::DN1, ClimateKind::DN1},
    {"v12_dn65m_01d00_v1", kValues, GridFamily::DN1, ClimateKind::DN1},
    {"lat0d75", kLat, GridFamily::DN1, {}},
    {"lon0d75", kLon, GridFamily::DN1, {}},
    {"v12_lat0d75", kLat, GridFamily::DN1, {}},
    {"v12_lon0d75", kLon, GridFamily::DN1, {}},
    {"v16_gtopo_30", kValues, GridFamily::Sa, ClimateKind::Sa},
    {"v16_lat", kLat, GridFamily::Sa, {}},
    {"v16_lon", kLon, GridFamily::Sa, {}},
    {"r001", kValues, GridFamily::R001, ClimateKind::R001},
    {"v7_r001", kValues, GridFamily::R001, ClimateKind::R001},
    {"lat_r001", kLat, GridFamily::R001, {}},
    {"lon_r001", kLon, GridFamily::R001, {}},
    {"v7_lat_r001", kLat, GridFamily::R001, {}},
    {"v7_lon_r001", kLon, GridFamily::R001, {}},
    {"lat_mt", kLat, GridFamily::MonthlyRain, {}},
    {"lon_mt", kLon, GridFamily::MonthlyRain, {}},
    {"v7_lat_mt", kLat, GridFamily::MonthlyRain, {}},
    {"v7_lon_mt", kLon, GridFamily::MonthlyRain, {}},
    {"lat_t", kLat, GridFamily::MonthlyTemperature, {}},
    {"lon_t", kLon, GridFamily::MonthlyTemperature, {}},
    {"v1_lat", kLat, GridFamily::MonthlyTemperature, {}},
    {"v1_lon", kLon, GridFamily::MonthlyTemperature, {}},
}};

// "mt_month07" -> 7 after `prefix`; nothing unless two digits 01..12 follow.
std::optional<std::size_t> monthAfter(std::string_view stem, std::string_view prefix) {
    if (stem.size() != prefix.size() + 2 || stem.substr(0, prefix.size()) != prefix ||
        !std::isdigit(static_cast<unsigned char>(stem[prefix.size()])) ||
        !std::isdigit(static_cast<unsigned char>(stem[prefix.size() + 1]))) {
        return std::nullopt;
    }
    const auto month = static_cast<std::size_t>((stem[prefix.size()] - '0') * 10 +
                                                (stem[prefix.size() + 1] - '0'));
    return month >= 1 && month <= kMonths ? std::optional(month) : std::nullopt;
}

} // namespace

std::optional<GridName> gridNameOf(std::string_view fileName) {
    std::string stem(fileName.substr(0, fileName.find_last_of('.')));
    for (char& c : stem) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const NameEntry& entry : kNames) {
        if (entry.stem == stem) {
            return GridName{entry.role, entry.family, entry.kind};
        }
    }
    for (const std::string_view prefix : {"mt_month", "v7_mt_month"}) {
        if (const auto month = monthAfter(stem, prefix)) {
            return GridName{kValues, GridFamily::MonthlyRain, monthlyRainKind(*month)};
        }
    }
    for (const std::string_view prefix : {"t_month", "v1_t_month"}) {
        if (const auto month = monthAfter(stem, prefix)) {
            return GridName{kValues, GridFamily::MonthlyTemperature,
                            monthlyTemperatureKind(*month)};
        }
    }
    return std::nullopt;
}

} // namespace korvel
