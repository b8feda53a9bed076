#pragma once
// The classic method and the current ITU-R methods side by side for one calculated hop. The
// current columns keep the hop's classic budget and replace only its path loss (free space plus
// gas at the standard atmosphere); their total adds the classic selective outage.

#include <array>

#include "engine/hop_record.h"
#include "geo/geodesic.h"
#include "geo/hop_sites.h"
#include "itu/climate_inputs.h"
#include "itu/method_result.h"

namespace korvel::itu {

struct HopMethodsInput {
    const HopState* hop = nullptr;   // calculated by the classic engine
    const HopSites* sites = nullptr; // optional: stations for the midpoint, profile for h_t
    ClimateInputs climate;
    // The path's geodesic midpoint when the caller already has it (the climate look-up needs it
    // too); else it is worked out from the sites, else the hop's own latitude stands for it.
    std::optional<GeoPoint> midpoint;
};

// The geodesic midpoint of the hop when both stations are placed.
std::optional<GeoPoint> pathMidpoint(const HopSites* sites);

// The classic column from the hop's own results.
MethodResult classicMethod(const HopState& hop);

// All three columns: classic, p530-17, p530-18, in that order. Allocates nothing.
std::array<MethodResult, 3> hopMethods(const HopMethodsInput& input);

} // namespace korvel::itu
