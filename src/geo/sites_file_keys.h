#pragma once
// The names a sites file gives its version, its stations and a station's fields: the document
// reader, the quick reader of plain files and the writer all spell them from here.

#include <array>
#include <string_view>

namespace korvel::sites_keys {

inline constexpr std::string_view kVersion = "version";
inline constexpr std::array<std::string_view, 2> kStations = {"station1", "station2"};
inline constexpr std::string_view kLatitude = "latitudeDeg";
inline constexpr std::string_view kLongitude = "longitudeDeg";
inline constexpr std::string_view kGroundElevation = "groundElevationM";

} // namespace korvel::sites_keys
