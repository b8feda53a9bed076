#include "engine/stored_results.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/calculate_hop.h"

namespace korvel {

namespace {

constexpr double kRelativeTolerance = 1e-6;
constexpr double kZeroTolerance = 1e-12; // results that are 0: psm without selective fading

// What the calculation writes; Msm it reads (the pages set it), the rain results it leaves.
constexpr std::array kCalculatedResults{
    &HopResults::cLat, &HopResults::cLon, &HopResults::K,    &HopResults::Lc1, &HopResults::Lc2,
    &HopResults::Lo,   &HopResults::Lho,  &HopResults::Prx,  &HopResults::M,   &HopResults::pfm,
    &HopResults::psm,  &HopResults::pfmd, &HopResults::psmd, &HopResults::p,   &HopResults::pd,
    &HopResults::Ifm,  &HopResults::Ism};

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
