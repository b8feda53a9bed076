#include "geo/site_entry.h"

#include <algorithm>
#include <cctype>

#include "fields/numeric_text.h"
#include "geo/coordinate_text.h"
#include "geo/site_ranges.h"

namespace korvel {

namespace {

bool blankText(std::string_view text) {
    return std::ranges::all_of(
        text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
}

// "60,5": digits, one comma, digits, as a number field would take a decimal comma.
bool loneDecimalComma(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find_first_of(",;", comma + 1) != text.npos) {
        return false;
    }
    std::string point(text);
    point[comma] = '.';
    const auto start = point.find_first_not_of(' ');
    const auto stop = point.find_last_not_of(' ');
    return start != std::string::npos && isNumericText(point.substr(start, stop - start + 1));
}

std::string withPoint(std::string text) {
    if (loneDecimalComma(text)) {
        std::ranges::replace(text, ',', '.');
    }
    return text;
}

SiteEntry refusedAt(SiteEntry entry, SiteField field, std::string why) {
    entry.refused = field;
    entry.error = std::move(why);
    return entry;
}

std::optional<double> coordinate(SiteEntry& entry, const std::string& text, CoordinateAxis axis) {
    const bool latitude = axis == CoordinateAxis::Latitude;
    const SiteField field = latitude ? SiteField::Latitude : SiteField::Longitude;
    if (blankText(text)) {
        entry = refusedAt(entry, field,
                          latitude ? "the latitude is missing" : "the longitude is missing");
        return std::nullopt;
    }
    CoordinateReading read = readCoordinate(withPoint(text), axis);
    if (!read.degrees) {
        entry = refusedAt(entry, field, std::move(read.error));
    }
    return read.degrees;
}

struct GroundReading {
    std::optional<double> metres;
    std::string error;
};

GroundReading readGround(const std::string& typed) {
    std::string ground = withPoint(typed);
    std::erase_if(ground, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
    if (ground.empty()) {
        return {std::nullopt, "the ground elevation is missing: type it in m above sea level, or "
                              "read it from the terrain"};
    }
    const std::string named = "ground elevation \"" + typed + "\": ";
    const std::string range = rangeInWords(kGroundElevationRangeM, "m") + " above sea level";
    if (!isNumericText(ground) || !std::ranges::any_of(ground, [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return {std::nullopt, named + "not a number, " + range};
    }
    const double metres = numericTextValue(ground);
    if (!withinRange(metres, kGroundElevationRangeM)) {
        return {std::nullopt, named + "out of range, " + range};
    }
    return {metres, {}};
}

} // namespace

std::optional<SitePosition> SiteEntry::site() const {
    if (refused != SiteField::None || !point || !groundM) {
        return std::nullopt;
    }
    return SitePosition{point->latitudeDeg, point->longitudeDeg, *groundM};
}

std::optional<PositionParts> pastedPair(std::string_view text) {
    const std::optional<PositionParts> parts = positionParts(text);
    if (!parts || loneDecimalComma(text) ||
        !readCoordinate(parts->latitude, CoordinateAxis::Latitude).degrees ||
        !readCoordinate(parts->longitude, CoordinateAxis::Longitude).degrees) {
        return std::nullopt;
    }
    return parts;
}

SiteEntry readSiteEntry(const SiteTexts& texts) {
    SiteEntry entry;
    std::string latitude = texts.latitude;
    std::string longitude = texts.longitude;
    if (const auto pair = pastedPair(latitude); pair && blankText(longitude)) {
        longitude = pair->longitude;
        latitude = pair->latitude;
    }
    if (blankText(latitude) && blankText(longitude) && blankText(texts.groundM)) {
        entry.blank = true;
        return entry;
    }
    const auto latitudeDeg = coordinate(entry, latitude, CoordinateAxis::Latitude);
    const auto longitudeDeg =
        latitudeDeg ? coordinate(entry, longitude, CoordinateAxis::Longitude) : std::nullopt;
    if (latitudeDeg && longitudeDeg) {
        entry.point = GeoPoint{*latitudeDeg, *longitudeDeg};
    }
    const GroundReading ground = readGround(texts.groundM);
    entry.groundM = ground.metres;
    return ground.metres || entry.refused != SiteField::None
               ? entry
               : refusedAt(entry, SiteField::Ground, ground.error);
}

} // namespace korvel
