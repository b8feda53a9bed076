#include "engine/stored_results.h"

#include <algorithm>
#include <cmath>

#include "engine/calculate_hop.h"

namespace korvel {

namespace {

constexpr double kRelativeTolerance = 1e-6;
constexpr double kZeroTolerance = 1e-12; // results that are 0: psm without selective fading

bool nearlyEqual(double stored, double calculated) {
    const double scale = std::max(std::fabs(stored), std::fabs(calculated));
    return std::fabs(stored - calculated) <= std::max(kZeroTolerance, kRelativeTolerance * scale);
}

} // namespace

bool storedResultsCurrent(const HopState& hop) {
    HopState again = hop;
    const CalculationOutcome outcome = calculateHop(again);
    if (!producedResults(outcome.status) || !resultsAreFinite(again.results)) {
        return false;
    }
    return std::all_of(kCalculatedResults.begin(), kCalculatedResults.end(), [&](auto result) {
        return nearlyEqual(hop.results.*result, again.results.*result);
    });
}

} // namespace korvel
