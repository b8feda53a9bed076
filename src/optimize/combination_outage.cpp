#include "optimize/combination_outage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/link_budget.h"
#include "engine/log_powers.h"

namespace korvel {

namespace {

constexpr std::size_t kSpacingSteps =
    static_cast<std::size_t>(kMaximumSpacingM - kMinimumSpacingM) + 1;

// Spacing, m, rounded to the whole metre (halves upward) and kept within the allowed range.
double chosenSpacing(double rawSpacingM) {
    const double rounded = std::floor(rawSpacingM + 0.5);
    if (!(rounded > kMinimumSpacingM)) {
        return kMinimumSpacingM;
    }
    return std::min(rounded, kMaximumSpacingM);
}

// s^0.87 of the improvement for the whole-metre spacings the search chooses, 5..15 m, worked
// out once: the search evaluates this term for every space diversity combination.
double spacingPower(double spacingM) {
    static const auto table = [] {
        std::array<double, kSpacingSteps> powers{};
        for (std::size_t i = 0; i < powers.size(); ++i) {
            powers[i] =
                std::pow(kMinimumSpacingM + static_cast<double>(i), kSpaceDiversity.spacing);
        }
        return powers;
    }();
    return table[static_cast<std::size_t>(spacingM - kMinimumSpacingM)];
}

// The multiplications run in the order of the hop calculation, so a combination equal to the
// hop's own gives the hop calculation's outage.
CombinationOutage spaceDiversityOutage(const CombinationContext& context,
                                       const CombinationMargin& margin, double gainMaxDbi,
                                       double diversityGainDbi) {
    const HopRecord& record = context.record;
    const double totalPct = margin.flatPct + context.selectiveOutagePct;
    const double t = std::pow(10.0, 0.1 * (margin.marginDb - (gainMaxDbi - diversityGainDbi)));
    const double occurrenceTerm = context.occurrenceTerm;

    const double required = totalPct / record.outageObjectivePct;
    double spacingM = kMinimumSpacingM;
    if (required >= 1.0) {
        const double x = 1.0 - required / t;
        if (x <= 0.0) {
            return {kRejectedOutagePct, kRejectedSpacingM};
        }
        // The spacing at which the improvement just reaches the required factor.
        const double exponentPerSpacing = kSpaceDiversity.coefficient * context.distanceTerm *
                                          context.frequencyTerm * occurrenceTerm;
        spacingM = chosenSpacing(std::pow(std::log(x) / exponentPerSpacing, 1.1494));
    }
    const double exponent = kSpaceDiversity.coefficient * spacingPower(spacingM) *
                            context.frequencyTerm * context.distanceTerm * occurrenceTerm;
    const double improvement = t * (1.0 - std::exp(exponent));
    return {totalPct / improvement, spacingM};
}

} // namespace

CombinationContext makeCombinationContext(const HopState& hop, double grazingAngleMrad,
                                          MathGuard& guard) {
    const HopRecord& record = hop.record;
    CombinationContext context;
    context.record = record;
    context.pathLossDb =
        pathLossDb(record.hopLengthKm, record.frequencyGHz, hop.waterVapourDensity, guard);
    context.geoclimaticFactor = geoclimaticFactor(record, guard);
    context.outageFactors = outageFactors(record, grazingAngleMrad, guard);
    if (record.selectiveFading != SelectiveFading::No) {
        context.selectiveOutagePct = fadingOutagePct(context.geoclimaticFactor, hop.results.Msm,
                                                     context.outageFactors, guard);
    }
    const double d = record.hopLengthKm;
    const double f = record.frequencyGHz;
    context.distanceTerm = powerFromLog(d, std::log(d), kSpaceDiversity.length, guard);
    context.frequencyTerm = powerFromLog(f, std::log(f), kSpaceDiversity.frequency, guard);
    if (record.diversityMode == DiversityMode::Space) {
        context.occurrenceTerm =
            multipathOccurrenceTerm(context.geoclimaticFactor, context.outageFactors, guard);
    }
    return context;
}

CombinationMargin combinationMargin(const CombinationContext& context, double gain1Dbi,
                                    double gain2Dbi, double feeder1LossDbPer100m,
                                    double feeder2LossDbPer100m) {
    const HopRecord& record = context.record;
    const double lc1 =
        feeder1LossDbPer100m * record.feeder1LengthM * 0.01 + record.connector1LossDb;
    const double lc2 =
        feeder2LossDbPer100m * record.feeder2LengthM * 0.01 + record.connector2LossDb;
    const double hopLossDb = record.branchingLossDb + record.addTerrainLossDb + lc2 +
                             context.pathLossDb + lc1 - gain1Dbi - gain2Dbi;
    CombinationMargin margin;
    margin.marginDb = record.ptxDbm - hopLossDb - record.prxthDbm - record.thresholdDegradationDb;
    if (margin.marginDb <= kMinimumCombinationMarginDb) {
        margin.rejected = true;
        return margin;
    }
    // The powers of 10 have a positive base: the guard never has anything to record here.
    MathGuard guard;
    margin.flatPct =
        fadingOutagePct(context.geoclimaticFactor, margin.marginDb, context.outageFactors, guard);
    return margin;
}

CombinationOutage combinationOutage(const CombinationContext& context,
                                    const CombinationMargin& margin, double gainMaxDbi,
                                    double diversityGainDbi, double spacingM) {
    if (margin.rejected) {
        return {kRejectedOutagePct, kRejectedSpacingM};
    }
    const HopRecord& record = context.record;
    switch (record.diversityMode) {
    case DiversityMode::Space:
        return spaceDiversityOutage(context, margin, gainMaxDbi, diversityGainDbi);
    case DiversityMode::Freq: {
        const double f = record.frequencyGHz;
        const double improvement = 80.0 * (record.frequencyDifferenceGHz / f) *
                                   std::pow(10.0, 0.1 * margin.marginDb) / (record.hopLengthKm * f);
        return {context.selectiveOutagePct / improvement + margin.flatPct / improvement, spacingM};
    }
    case DiversityMode::No:
        break;
    }
    return {margin.flatPct + context.selectiveOutagePct, spacingM};
}

CombinationOutage combinationOutage(const CombinationContext& context, double gain1Dbi,
                                    double gain2Dbi, double feeder1LossDbPer100m,
                                    double feeder2LossDbPer100m, double diversityGainDbi,
                                    double spacingM) {
    const CombinationMargin margin =
        combinationMargin(context, gain1Dbi, gain2Dbi, feeder1LossDbPer100m, feeder2LossDbPer100m);
    return combinationOutage(context, margin, std::max(gain1Dbi, gain2Dbi), diversityGainDbi,
                             spacingM);
}

} // namespace korvel
