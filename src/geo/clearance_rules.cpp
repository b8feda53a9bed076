#include "geo/clearance_rules.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace korvel {

namespace {

// (path length km, ke) read off the curve of ke exceeded for 99.9 % of the worst month.
constexpr std::array<std::pair<double, double>, 6> kKe999Curve{{
    {10.0, 0.52},
    {20.0, 0.59},
    {30.0, 0.64},
    {50.0, 0.70},
    {100.0, 0.78},
    {200.0, 0.85},
}};

constexpr double kMedianC = 1.0;

std::optional<double> numberText(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> parseEarthRadiusFactor(std::string_view text, double pathKm) {
    std::optional<double> factor;
    if (text == "ke") {
        factor = earthRadiusFactor999(pathKm);
    } else if (const auto slash = text.find('/'); slash == std::string_view::npos) {
        factor = numberText(text);
    } else {
        const auto numerator = numberText(text.substr(0, slash));
        const auto denominator = numberText(text.substr(slash + 1));
        if (numerator && denominator && *denominator != 0.0) {
            factor = *numerator / *denominator;
        }
    }
    if (!factor || !withinRange(*factor, kEarthRadiusFactorRange)) {
        return std::nullopt;
    }
    return factor;
}

double earthRadiusFactor999(double pathKm) {
    if (!(pathKm > kKe999Curve.front().first)) {
        return kKe999Curve.front().second;
    }
    for (std::size_t i = 1; i < kKe999Curve.size(); ++i) {
        const auto [longerKm, longerK] = kKe999Curve[i];
        if (pathKm <= longerKm) {
            const auto [shorterKm, shorterK] = kKe999Curve[i - 1];
            const double share = std::log(pathKm / shorterKm) / std::log(longerKm / shorterKm);
            return shorterK + share * (longerK - shorterK);
        }
    }
    return kKe999Curve.back().second;
}

std::optional<ClearanceRuleSetEntry> clearanceRuleSetNamed(std::string_view name) {
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        if (entry.name == name) {
            return entry;
        }
    }
    return std::nullopt;
}

std::vector<ClearanceRule> clearanceRules(ClearanceRuleSet set, double pathKm, double medianK) {
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        if (entry.set == set) {
            return {{kMedianC, medianK}, {entry.keFraction, earthRadiusFactor999(pathKm)}};
        }
    }
    return {};
}

ClearanceRule diversityClearanceRule(ClearanceRuleSet set, double medianK) {
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        if (entry.set == set) {
            return {entry.diversityFraction, medianK};
        }
    }
    return {kMedianC, medianK};
}

std::optional<ClearanceRule> parseClearanceRule(std::string_view text, double pathKm) {
    const auto at = text.find('@');
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const auto c = numberText(text.substr(0, at));
    const auto k = parseEarthRadiusFactor(text.substr(at + 1), pathKm);
    if (!c || !k || !withinRange(*c, kClearanceFractionRange)) {
        return std::nullopt;
    }
    return ClearanceRule{*c, *k};
}

} // namespace korvel
