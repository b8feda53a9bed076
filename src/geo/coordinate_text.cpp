#include "geo/coordinate_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/text_trim.h"

namespace korvel {

namespace {

constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerDegree = 3600.0;
// Closer than this, two sites are one place: no path between them.
constexpr double kSamePlaceKm = 0.001;

// +1 or -1 for a hemisphere letter of the axis; 0 for another letter or none.
int hemisphereSign(char letter, CoordinateAxis axis) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (axis == CoordinateAxis::Latitude) {
        return upper == 'N' ? 1 : upper == 'S' ? -1 : 0;
    }
    return upper == 'E' ? 1 : upper == 'W' ? -1 : 0;
}

// A letter ending the text after a number or a mark, not the end of a word such as "nan".
bool letterAtEnd(std::string_view text) {
    if (text.empty() || std::isalpha(static_cast<unsigned char>(text.back())) == 0) {
        return false;
    }
    if (text.size() == 1) {
        return true;
    }
    const char before =
        static_cast<char>(std::tolower(static_cast<unsigned char>(text[text.size() - 2])));
    return std::isalpha(static_cast<unsigned char>(before)) == 0 || before == 'd' ||
           before == 'm' || before == 's';
}

// The degree, minute and second marks become spaces; the numbers are what stays.
std::vector<std::string> coordinateFields(std::string_view text) {
    std::string spaced;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool utf8Degree = c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xB0';
        const bool mark = c == '\xB0' || c == '\'' || c == '"' || c == ':' || c == 'd' ||
                          c == 'D' || c == 'm' || c == 'M' || c == 's' || c == 'S';
        spaced += utf8Degree || mark ? ' ' : c;
    }
    std::vector<std::string> fields;
    std::string field;
    for (const char c : spaced + ' ') {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (!field.empty()) {
                fields.push_back(field);
            }
            field.clear();
        } else {
            field += c;
        }
    }
    return fields;
}

std::optional<double> coordinateNumber(const std::string& field) {
    double value = 0.0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

CoordinateReading refusedCoordinate(CoordinateAxis axis, std::string_view text,
                                    const std::string& why) {
    return {std::nullopt, std::string(axis == CoordinateAxis::Latitude ? "latitude" : "longitude") +
                              " \"" + std::string(text) + "\": " + why};
}

} // namespace

CoordinateReading readCoordinate(std::string_view typed, CoordinateAxis axis) {
    const std::string_view text = trimmed(typed, kWhiteSpace);
    std::string_view body = text;
    int sign = 1;
    bool lettered = false;
    if (letterAtEnd(body) && hemisphereSign(body.back(), axis) != 0) {
        sign = hemisphereSign(body.back(), axis);
        lettered = true;
        body.remove_suffix(1);
    }
    // The other axis' letter; a lower-case s after a number is its seconds mark.
    const char last = letterAtEnd(body) ? body.back() : ' ';
    if (last != 's' && hemisphereSign(last, CoordinateAxis::Latitude) +
                               hemisphereSign(last, CoordinateAxis::Longitude) !=
                           0) {
        return refusedCoordinate(axis, text,
                                 axis == CoordinateAxis::Latitude
                                     ? "a latitude's hemisphere is N or S"
                                     : "a longitude's hemisphere is E or W");
    }
    const std::vector<std::string> fields = coordinateFields(body);
    if (fields.empty() || fields.size() > 3) {
        return refusedCoordinate(axis, text, "expected degrees, or degrees, minutes and seconds");
    }
    std::array<double, 3> parts{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = coordinateNumber(fields[i]);
        if (!value) {
            return refusedCoordinate(axis, text, "\"" + fields[i] + "\" is not a number");
        }
        if (!std::isfinite(*value)) {
            return refusedCoordinate(axis, text, "not a finite number");
        }
        parts[i] = *value;
    }
    const bool negative = std::signbit(parts[0]);
    if ((negative && lettered) || parts[1] < 0.0 || parts[2] < 0.0) {
        return refusedCoordinate(axis, text,
                                 "a sign and a hemisphere letter together, or a negative minute");
    }
    if (parts[1] >= kMinutesPerDegree || parts[2] >= kMinutesPerDegree) {
        return refusedCoordinate(axis, text, "minutes and seconds run from 0 to below 60");
    }
    const double degrees =
        (std::abs(parts[0]) + parts[1] / kMinutesPerDegree + parts[2] / kSecondsPerDegree) *
        (negative ? -1.0 : 1.0) * sign;
    const double most = axis == CoordinateAxis::Latitude ? 90.0 : 180.0;
    if (std::abs(degrees) > most) {
        return refusedCoordinate(axis, text,
                                 "out of range, from -" + std::to_string(static_cast<int>(most)) +
                                     " to " + std::to_string(static_cast<int>(most)) + " degrees");
    }
    return {degrees, {}};
}

std::optional<PositionParts> positionParts(std::string_view text) {
    std::size_t split = text.find_first_of(",;");
    std::size_t next = split + 1;
    if (split == std::string_view::npos) {
        split = text.find_first_of("NSns");
        next = split == std::string_view::npos ? split : split + 1;
        split = next;
    }
    if (split == std::string_view::npos || next >= text.size()) {
        return std::nullopt;
    }
    return PositionParts{text.substr(0, split), text.substr(next)};
}

PositionReading readPosition(std::string_view text) {
    const std::optional<PositionParts> parts = positionParts(text);
    if (!parts) {
        return {std::nullopt, "\"" + std::string(trimmed(text, kWhiteSpace)) +
                                  "\": expected a latitude and a longitude, such as "
                                  "\"60.1699, 24.9384\""};
    }
    const CoordinateReading latitude = readCoordinate(parts->latitude, CoordinateAxis::Latitude);
    if (!latitude.degrees) {
        return {std::nullopt, latitude.error};
    }
    const CoordinateReading longitude = readCoordinate(parts->longitude, CoordinateAxis::Longitude);
    if (!longitude.degrees) {
        return {std::nullopt, longitude.error};
    }
    return {GeoPoint{*latitude.degrees, *longitude.degrees}, {}};
}

std::optional<std::string> sitePairFault(GeoPoint station1, GeoPoint station2) {
    for (const auto& [site, name] : {std::pair{station1, "station 1"}, {station2, "station 2"}}) {
        if (std::abs(site.latitudeDeg) == 90.0) {
            return std::string(name) + " stands on a pole, where no azimuth points anywhere";
        }
    }
    if (geodesicLengthKm(station1, station2) < kSamePlaceKm) {
        return std::string("the two sites are at the same place; a hop needs two ends");
    }
    return std::nullopt;
}

} // namespace korvel
