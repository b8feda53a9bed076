#include "ui/site_question.h"

#include <cmath>
#include <string>

#include "engine/number_text.h"

namespace korvel {

namespace {

// The hop length and the station heights are kept to a tenth, as the Basics page shows them.
constexpr double kTenthStep = 0.1;

double toTenth(double value) {
    return std::round(value / kTenthStep) * kTenthStep;
}

bool sameTenth(double a, double b) {
    return std::fabs(a - b) < kTenthStep / 2;
}

std::string tenths(double value, const char* unit) {
    return formatNumbers("%.1f %s", value, unit);
}

std::string wholeDegrees(double degrees, char hemisphere) {
    return formatNumbers("%.0f %c", degrees, hemisphere);
}

std::string stationHeights(double one, double two) {
    return tenths(one, "m") + " and " + tenths(two, "m");
}

char northSouthLetter(NorthSouth side) {
    return side == NorthSouth::North ? 'N' : 'S';
}
char eastWestLetter(EastWest side) {
    return side == EastWest::East ? 'E' : 'W';
}

} // namespace

SiteDifferences siteDifferences(const SiteOffers& offers, const HopRecord& record) {
    SiteDifferences d{offers};
    d.lengthKm = toTenth(offers.hopLengthKm);
    d.height1M = toTenth(offers.stationHeightsM[0]);
    d.height2M = toTenth(offers.stationHeightsM[1]);
    d.length = !sameTenth(d.lengthKm, record.hopLengthKm);
    d.latitude = offers.latitudeDeg != std::round(record.latitudeDeg) ||
                 offers.northSouth != record.northSouth;
    d.longitude = offers.longitudeDeg != std::round(record.longitudeDeg) ||
                  offers.eastWest != record.eastWest;
    d.heights = !sameTenth(d.height1M, record.station1HeightM) ||
                !sameTenth(d.height2M, record.station2HeightM);
    return d;
}

namespace {

std::string siteQuestion(const SiteDifferences& d, const HopRecord& record) {
    const SiteOffers& offers = d.offers;
    std::string question = "The sites give other values than the hop:";
    if (d.length) {
        question += "\nHop length " + tenths(d.lengthKm, "km") + " (the hop has " +
                    tenths(record.hopLengthKm, "km") + ")";
    }
    if (d.latitude) {
        question += "\nLatitude " +
                    wholeDegrees(offers.latitudeDeg, northSouthLetter(offers.northSouth)) +
                    " (the hop has " +
                    wholeDegrees(record.latitudeDeg, northSouthLetter(record.northSouth)) + ")";
    }
    if (d.longitude) {
        question += "\nLongitude " +
                    wholeDegrees(offers.longitudeDeg, eastWestLetter(offers.eastWest)) +
                    " (the hop has " +
                    wholeDegrees(record.longitudeDeg, eastWestLetter(record.eastWest)) + ")";
    }
    if (d.heights) {
        question += "\nStation heights " + stationHeights(d.height1M, d.height2M) +
                    " (the hop has " +
                    stationHeights(record.station1HeightM, record.station2HeightM) + ")";
    }
    return question + "\nTake them into the hop?";
}

} // namespace

void takeSiteValues(const SiteDifferences& d, HopRecord& record) {
    if (d.length) {
        record.hopLengthKm = d.lengthKm;
    }
    if (d.latitude) {
        record.latitudeDeg = d.offers.latitudeDeg;
        record.northSouth = d.offers.northSouth;
    }
    if (d.longitude) {
        record.longitudeDeg = d.offers.longitudeDeg;
        record.eastWest = d.offers.eastWest;
    }
    if (d.heights) {
        record.station1HeightM = d.height1M;
        record.station2HeightM = d.height2M;
    }
}

bool siteValuesTaken(Messages& messages, const SiteDifferences& differences,
                     const HopRecord& record) {
    return differences.any() &&
           messages.show(siteQuestion(differences, record), kAppCaption, MessageIcon::Question,
                         MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

bool offerSiteValues(Messages& messages, const HopSites& sites, HopRecord& record) {
    const auto offers = siteOffers(sites);
    if (!offers) {
        return false;
    }
    const SiteDifferences differences = siteDifferences(*offers, record);
    if (!siteValuesTaken(messages, differences, record)) {
        return false;
    }
    takeSiteValues(differences, record);
    return true;
}

} // namespace korvel
