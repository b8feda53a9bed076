#pragma once
// The climate a hop's current methods read: each value typed for the hop (the sites file's
// block) first, else the installed maps at the path's geodesic midpoint, each with its source.

#include <optional>

#include "geo/climate_overrides.h"
#include "geo/geodesic.h"
#include "itu/climate/climate_maps.h"
#include "itu/climate_inputs.h"

namespace korvel {

// The source named for a value from the sites file's block.
inline constexpr std::string_view kSourceOverride = "override";

// The sources point into `maps`, which must outlive the result. No midpoint: typed values only.
itu::ClimateInputs climateInputsAt(const ClimateMaps& maps, std::optional<GeoPoint> midpoint,
                                   const ClimateOverrides& overrides);

} // namespace korvel
