#pragma once
// The climate values a planner may type for a hop, with their units and the ranges a typed value
// must keep: the one table the tool's flags and the sites file's overrides check against.

#include <array>
#include <optional>
#include <string_view>

#include "itu/climate_inputs.h"

namespace korvel::itu {

struct TypedClimateKey {
    std::string_view name; // as the tool and the sites file spell it
    std::string_view unit;
    double lowest;
    double highest;
    std::optional<InputValue> ClimateInputs::*field;
};

// dN1, sa, logK, dN75, htM, R001.
inline constexpr std::array<TypedClimateKey, 6> kTypedClimateKeys{{
    {"dN1", "N/km", -3000.0, 0.0, &ClimateInputs::dN1},
    {"sa", "m", 0.0, 3000.0, &ClimateInputs::sa},
    {"logK", "", -10.0, 0.0, &ClimateInputs::logK},
    {"dN75", "N", 0.0, 1000.0, &ClimateInputs::dN75},
    {"htM", "m", -500.0, 9000.0, &ClimateInputs::htM},
    {"R001", "mm/h", 0.0, 500.0, &ClimateInputs::R001},
}};

// The source named for a typed value.
inline constexpr std::string_view kSourceTyped = "typed";

} // namespace korvel::itu
