#include "itu/climate/climate_inputs_at.h"

#include "itu/typed_climate.h"

namespace korvel {

itu::ClimateInputs climateInputsAt(const ClimateMaps& maps, std::optional<GeoPoint> midpoint,
                                   const ClimateOverrides& overrides) {
    itu::ClimateInputs inputs;
    for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
        const auto quantity = static_cast<ClimateQuantity>(q);
        const itu::TypedClimateKey& key = itu::kTypedClimateKeys[q];
        if (const auto& typed = overrides[quantity]) {
            inputs.*key.field = itu::InputValue{*typed, key.unit, kSourceOverride};
            continue;
        }
        const auto kind = climateKindOf(quantity);
        if (!midpoint || !kind) {
            continue;
        }
        const auto value = quantity == ClimateQuantity::R001 ? maps.rainRate001At(*midpoint)
                                                             : maps.at(*kind, *midpoint);
        if (value) {
            inputs.*key.field = itu::InputValue{value->value, key.unit, value->source};
        }
    }
    return inputs;
}

} // namespace korvel
