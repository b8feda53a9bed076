#pragma once
// The one question that puts what a hop's sites give (the hop length, the whole-degree latitude
// and longitude with their hemispheres, the station heights) to the planner wherever the sites
// and the hop meet: on Open, when a route hop opens, on the Sites dialog's OK, and in the hop box.
// The planner takes all of it or, with No (the default), keeps the hop as it is.

#include "engine/hop_record.h"
#include "geo/hop_sites.h"
#include "geo/site_offers.h"
#include "platform/messages.h"

namespace korvel {

// What the sites offer, rounded as the pages show it, and which of it differs from the hop.
struct SiteDifferences {
    SiteOffers offers;
    double lengthKm = 0.0; // to the tenth, as are the heights
    double height1M = 0.0;
    double height2M = 0.0;
    bool length = false;
    bool latitude = false;
    bool longitude = false;
    bool heights = false;
    [[nodiscard]] bool any() const { return length || latitude || longitude || heights; }
};

SiteDifferences siteDifferences(const SiteOffers& offers, const HopRecord& record);

// Asks when anything differs; true when the planner answered Yes.
bool siteValuesTaken(Messages& messages, const SiteDifferences& differences,
                     const HopRecord& record);

void takeSiteValues(const SiteDifferences& differences, HopRecord& record);

// The sites against the hop: asked, and taken into the hop on Yes. True when the hop changed.
bool offerSiteValues(Messages& messages, const HopSites& sites, HopRecord& record);

} // namespace korvel
