#pragma once
// The sites file's "climate" block: the climate values typed for the hop, every key optional:
//
//   "climate": {"dN1": -300.0, "sa": 42.0, "logK": -4.2, "dN75": 40.0, "htM": 120.0, "R001": 32.0}

#include <string>

#include "geo/climate_overrides.h"
#include "library/json_source.h"

namespace korvel {

// The block's values; `error` says what is wrong ("climate.R001: expected a number from 0 to
// 500") and the overrides are then empty.
ClimateOverrides climateBlockFrom(const JsonSource& block, std::string& error);
JsonSource climateBlockJson(const ClimateOverrides& overrides);

} // namespace korvel
