#pragma once
// Latitudes and longitudes as a planner types or pastes them: decimal degrees ("60.1699",
// "-24.5", "24.5 W"), degrees, minutes and seconds with a hemisphere ("60 10 11.6 N",
// "60°10'11.6\"N", "24d56m18sE"), or both at once ("60.1699, 24.9384"). Texts are Windows-1252;
// the UTF-8 degree sign is taken too. A text that is none of these is refused with the reason.

#include <optional>
#include <string>
#include <string_view>

#include "geo/geodesic.h"

namespace korvel {

enum class CoordinateAxis { Latitude, Longitude };

struct CoordinateReading {
    std::optional<double> degrees; // north and east positive
    std::string error;             // why not, when no degrees: "latitude 91: ..."
};

CoordinateReading readCoordinate(std::string_view text, CoordinateAxis axis);

struct PositionReading {
    std::optional<GeoPoint> point;
    std::string error;
};

// The latitude's and the longitude's texts of a pair, apart where readPosition parts them; nothing
// for a text without a comma, a semicolon or a latitude's hemisphere letter before more text.
struct PositionParts {
    std::string_view latitude;
    std::string_view longitude;
};
std::optional<PositionParts> positionParts(std::string_view text);

// A latitude and a longitude in that order, apart by a comma, a semicolon, or after the
// latitude's hemisphere letter.
PositionReading readPosition(std::string_view text);

// Why two sites cannot make a hop: the same place, or a site on a pole (no azimuth there).
std::optional<std::string> sitePairFault(GeoPoint station1, GeoPoint station2);

} // namespace korvel
