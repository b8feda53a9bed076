#include "geo/climate_block.h"

namespace korvel {

ClimateOverrides climateBlockFrom(const JsonSource& block, std::string& error) {
    if (!block.is_object()) {
        error = "climate: " + std::string(kExpectedObject);
        return {};
    }
    ClimateOverrides overrides;
    for (const auto& [key, value] : block.items()) {
        const auto quantity = climateQuantityNamed(key);
        if (!quantity) {
            error = "climate." + key + ": " + std::string(kUnknownField);
            return {};
        }
        const auto& facts = climateQuantityFacts(*quantity);
        if (!value.is_number() || !climateValueFits(facts, value.get<double>())) {
            error = "climate." + key + ": " + climateRangeText(facts);
            return {};
        }
        overrides[*quantity] = value.get<double>();
    }
    return overrides;
}

JsonSource climateBlockJson(const ClimateOverrides& overrides) {
    JsonSource block = JsonSource::object();
    for (std::size_t i = 0; i < kClimateQuantityCount; ++i) {
        if (overrides.values[i]) {
            block[std::string(kClimateQuantityFacts[i].key)] = *overrides.values[i];
        }
    }
    return block;
}

} // namespace korvel
