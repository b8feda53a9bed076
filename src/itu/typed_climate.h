#pragma once
// The climate values a planner may type for a hop, with their units and the ranges a typed value
// must keep: the one table the tool's flags and the sites file's overrides check against.

#include <array>
#include <optional>
#include <string_view>

#include "geo/climate_overrides.h"
#include "itu/climate_inputs.h"

namespace korvel::itu {

struct TypedClimateKey {
    std::string_view name; // as the tool and the sites file spell it
    std::string_view unit;
    double lowest;
    double highest;
    std::optional<InputValue> ClimateInputs::*field;
};

constexpr TypedClimateKey typedClimateKey(ClimateQuantity quantity,
                                          std::optional<InputValue> ClimateInputs::*field) {
    const ClimateQuantityFacts& facts = climateQuantityFacts(quantity);
    return {facts.key, facts.unit, facts.least, facts.most, field};
}

// dN1, sa, logK, dN75, htM, R001: the names, units and ranges of the sites file's block.
inline constexpr std::array<TypedClimateKey, kClimateQuantityCount> kTypedClimateKeys{{
    typedClimateKey(ClimateQuantity::DN1, &ClimateInputs::dN1),
    typedClimateKey(ClimateQuantity::Sa, &ClimateInputs::sa),
    typedClimateKey(ClimateQuantity::LogK, &ClimateInputs::logK),
    typedClimateKey(ClimateQuantity::DN75, &ClimateInputs::dN75),
    typedClimateKey(ClimateQuantity::HtM, &ClimateInputs::htM),
    typedClimateKey(ClimateQuantity::R001, &ClimateInputs::R001),
}};

// The source named for a typed value.
inline constexpr std::string_view kSourceTyped = "typed";

} // namespace korvel::itu
