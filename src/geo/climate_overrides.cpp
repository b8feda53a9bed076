#include "geo/climate_overrides.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace korvel {

std::string climateRangeText(const ClimateQuantityFacts& facts) {
    char text[80];
    std::snprintf(text, sizeof text, "expected a number from %g to %g", facts.least, facts.most);
    return text;
}

bool climateValueFits(const ClimateQuantityFacts& facts, double value) {
    return std::isfinite(value) && value >= facts.least && value <= facts.most;
}

std::optional<ClimateQuantity> climateQuantityNamed(std::string_view key) {
    for (std::size_t i = 0; i < kClimateQuantityFacts.size(); ++i) {
        if (kClimateQuantityFacts[i].key == key) {
            return static_cast<ClimateQuantity>(i);
        }
    }
    return std::nullopt;
}

bool ClimateOverrides::empty() const {
    for (const auto& value : values) {
        if (value) {
            return false;
        }
    }
    return true;
}

std::string applyClimateSetting(ClimateOverrides& overrides, std::string_view setting) {
    const auto equals = setting.find('=');
    const auto quantity = climateQuantityNamed(setting.substr(0, equals));
    if (equals == std::string_view::npos || !quantity) {
        std::string keys;
        for (const auto& facts : kClimateQuantityFacts) {
            keys += (keys.empty() ? "" : ", ") + std::string(facts.key);
        }
        return std::string(setting) + ": expected KEY=VALUE or KEY= with KEY one of " + keys;
    }
    const std::string_view text = setting.substr(equals + 1);
    if (text.empty()) {
        overrides[*quantity].reset();
        return {};
    }
    const auto& facts = climateQuantityFacts(*quantity);
    double value = 0.0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() ||
        !climateValueFits(facts, value)) {
        return std::string(setting) + ": " + climateRangeText(facts);
    }
    overrides[*quantity] = value;
    return {};
}

} // namespace korvel
