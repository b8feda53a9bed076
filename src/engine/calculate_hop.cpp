#include "engine/calculate_hop.h"

#include <algorithm>
#include <cmath>

#include "engine/fading.h"
#include "engine/path_terms.h"

namespace korvel {

namespace {

constexpr double kLowMarginDb = 12.0;
constexpr double kObstructedGrazingMrad = 0.2;
constexpr double kLowGrazingMrad = 1.0;
constexpr double kMaxImprovement = 100.0;

// Stage 1. Returns false when the margin is not positive and the calculation stops.
bool linkBudget(HopState& hop, PathTerms& terms, MathGuard& guard, CalcStatus& status) {
    const HopRecord& r = hop.record;
    HopResults& out = hop.results;
    out.Lc1 = r.feeder1LossDbPer100m * r.feeder1LengthM * 0.01 + r.connector1LossDb;
    out.Lc2 = r.feeder2LossDbPer100m * r.feeder2LengthM * 0.01 + r.connector2LossDb;
    out.Lo = terms.pathLossDb(hop, guard);
    out.Lho = r.branchingLossDb + out.Lc1 + out.Lc2 + r.addTerrainLossDb + out.Lo -
              r.antenna1GainDbi - r.antenna2GainDbi;
    out.Prx = r.ptxDbm - out.Lho;
    out.M = out.Prx - r.prxthDbm - r.thresholdDegradationDb;
    if (out.M <= 0.0) {
        status = CalcStatus::NegativeMargin;
        return false;
    }
    if (out.M < kLowMarginDb) {
        status = CalcStatus::LowMargin;
    }
    return true;
}

// Stage 2. Returns false when the path is too obstructed for method 2 and the calculation stops.
// `factors` are the outage factors of the path, for stage 3.
bool fadingOutage(HopState& hop, PathTerms& terms, MathGuard& guard, OutageFactors& factors,
                  CalcStatus& status) {
    const HopRecord& r = hop.record;
    HopResults& out = hop.results;
    out.cLat = latitudeTermDb(r.latitudeDeg);
    out.cLon = longitudeTermDb(r.eastWest, r.longitudeDeg);
    out.K = terms.geoclimaticFactor(r, guard);
    double grazing = 0.0;
    if (r.method == Method::Method2) {
        grazing = terms.grazingAngleMrad(r, guard);
        if (grazing <= kLowGrazingMrad) {
            status = CalcStatus::LowGrazingAngle;
        }
        if (grazing <= kObstructedGrazingMrad) {
            status = CalcStatus::Obstructed;
            return false;
        }
    }
    factors = terms.outageFactors(r, grazing, guard);
    out.pfm = fadingOutagePct(out.K, out.M, factors, guard);
    out.psm = r.selectiveFading == SelectiveFading::No
                  ? 0.0
                  : fadingOutagePct(out.K, out.Msm, factors, guard);
    out.p = out.pfm + out.psm;
    return true;
}

double spaceDiversityImprovement(const HopRecord& r, const HopResults& in,
                                 const OutageFactors& factors, PathTerms& terms, MathGuard& guard) {
    const double v = std::max(r.antenna1GainDbi, r.antenna2GainDbi) - r.diversityGainDbi;
    return guard.pow(10.0, 0.1 * (in.M - v)) * terms.spaceDiversityFactor(r, in.K, factors, guard);
}

double frequencyDiversityImprovement(const HopRecord& r, const HopResults& in, MathGuard& guard) {
    const double f = r.frequencyGHz;
    return 80.0 * (r.frequencyDifferenceGHz / f) * guard.pow(10.0, 0.1 * in.M) /
           (r.hopLengthKm * f);
}

// Stage 3. A hop without diversity keeps its diversity results as they were.
void diversityImprovement(HopState& hop, const OutageFactors& factors, PathTerms& terms,
                          MathGuard& guard, CalcStatus& status) {
    const HopRecord& r = hop.record;
    HopResults& out = hop.results;
    if (r.diversityMode == DiversityMode::No) {
        return;
    }
    out.Ifm = r.diversityMode == DiversityMode::Space
                  ? spaceDiversityImprovement(r, out, factors, terms, guard)
                  : frequencyDiversityImprovement(r, out, guard);
    out.pfmd = out.pfm / out.Ifm;
    out.psmd = 0.0;
    if (r.selectiveFading != SelectiveFading::No) {
        out.Ism = out.Ifm;
        out.psmd = out.psm / out.Ism;
        if (out.Ism > kMaxImprovement) {
            status = CalcStatus::HighImprovement;
        }
    }
    out.pd = out.pfmd + out.psmd;
    if (out.Ifm > kMaxImprovement) {
        status = CalcStatus::HighImprovement;
    }
}

} // namespace

CalculationOutcome calculateHop(HopState& hop) {
    MathGuard guard;
    CalculationOutcome outcome;
    PathTerms& terms = PathTerms::of(hop);
    OutageFactors factors;
    if (linkBudget(hop, terms, guard, outcome.status) &&
        fadingOutage(hop, terms, guard, factors, outcome.status)) {
        diversityImprovement(hop, factors, terms, guard, outcome.status);
    }
    outcome.mathMessages = guard.takeMessages();
    return outcome;
}

bool producedResults(CalcStatus status) {
    return status != CalcStatus::NegativeMargin && status != CalcStatus::Obstructed;
}

std::string_view statusText(CalcStatus status) {
    switch (status) {
    case CalcStatus::Ok:
        return {};
    case CalcStatus::NegativeMargin:
        return "Negative fading margin.";
    case CalcStatus::LowMargin:
        return "Fading margin below 12 dB.";
    case CalcStatus::HighImprovement:
        return "Diversity improvement over 100 .";
    case CalcStatus::Obstructed:
        return "The path is too obstructed and this method "
               "does not give reliable results. "
               "Please revise your planning or "
               "use other method.";
    case CalcStatus::LowGrazingAngle:
        return "Grazing angle is below 1 mrad. "
               "The path may be too obstructed and "
               "the calculation results may be "
               "unreliable.";
    }
    return {};
}

bool resultsAreFinite(const HopResults& results) {
    return std::isfinite(results.Msm) &&
           std::all_of(kCalculatedResults.begin(), kCalculatedResults.end(),
                       [&results](auto result) { return std::isfinite(results.*result); });
}

void clearNonFiniteResults(HopResults& results) {
    if (!std::isfinite(results.Msm)) {
        results.Msm = 0;
    }
    for (const auto result : kCalculatedResults) {
        if (!std::isfinite(results.*result)) {
            results.*result = 0;
        }
    }
}

} // namespace korvel
