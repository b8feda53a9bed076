#include "geo/climate_overrides.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace korvel {

namespace {

constexpr const auto& kFacts = kClimateQuantityFacts;

std::string rangeText(const ClimateQuantityFacts& facts) {
    char text[80];
    std::snprintf(text, sizeof text, "expected a number from %g to %g", facts.least, facts.most);
    return text;
}

bool inRange(const ClimateQuantityFacts& facts, double value) {
    return std::isfinite(value) && value >= facts.least && value <= facts.most;
}

} // namespace

std::optional<ClimateQuantity> climateQuantityNamed(std::string_view key) {
    for (std::size_t i = 0; i < kFacts.size(); ++i) {
        if (kFacts[i].key == key) {
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
        if (!value.is_number() || !inRange(facts, value.get<double>())) {
            error = "climate." + key + ": " + rangeText(facts);
            return {};
        }
        overrides[*quantity] = value.get<double>();
    }
    return overrides;
}

JsonSource climateBlockJson(const ClimateOverrides& overrides) {
    JsonSource block = JsonSource::object();
    for (std::size_t i = 0; i < kFacts.size(); ++i) {
        if (overrides.values[i]) {
            block[std::string(kFacts[i].key)] = *overrides.values[i];
        }
    }
    return block;
}

std::string applyClimateSetting(ClimateOverrides& overrides, std::string_view setting) {
    const auto equals = setting.find('=');
    const auto quantity = climateQuantityNamed(setting.substr(0, equals));
    if (equals == std::string_view::npos || !quantity) {
        std::string keys;
        for (const auto& facts : kFacts) {
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
    if (status != std::errc() || end != text.data() + text.size() || !inRange(facts, value)) {
        return std::string(setting) + ": " + rangeText(facts);
    }
    overrides[*quantity] = value;
    return {};
}

} // namespace korvel
