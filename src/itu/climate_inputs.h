#pragma once
// The climate values a hop's current methods read, each with its unit and source: typed by the
// planner, or looked up in an imported map at the path's midpoint. An absent value has no source.

#include <optional>

#include "itu/figure.h"

namespace korvel::itu {

struct ClimateInputs {
    std::optional<InputValue> dN1;  // N-units/km, refractivity gradient not exceeded for 1 %
    std::optional<InputValue> sa;   // m, area terrain roughness
    std::optional<InputValue> logK; // log10 of the -18 geoclimatic factor
    std::optional<InputValue> dN75; // N-units, -18 ducting term
    std::optional<InputValue> htM;  // m above sea level, mean terrain height (an override)
    std::optional<InputValue> R001; // mm/h, rain rate exceeded for 0.01 % of the year
};

} // namespace korvel::itu
