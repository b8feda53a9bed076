// The sites file's climate block on its own: any JSON object is refused with a reason or gives
// typed values, each within its range, that write and read back to the same values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "geo/climate_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    const ParsedJsonSource parsed =
        parseJsonSource(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.error.empty()) {
        return 0;
    }
    std::string error;
    const ClimateOverrides overrides = climateBlockFrom(parsed.root, error);
    if (!error.empty()) {
        fuzz::require(overrides.empty());
        return 0;
    }
    for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
        if (const auto& value = overrides.values[q]) {
            fuzz::require(climateValueFits(kClimateQuantityFacts[q], *value));
        }
    }
    const ClimateOverrides again = climateBlockFrom(climateBlockJson(overrides), error);
    fuzz::require(error.empty() && again == overrides);
    return 0;
}
