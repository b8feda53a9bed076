#pragma once
// The terms of a hop's calculation that depend on its path alone (length, frequency, heights,
// climate region), not on its equipment: the optimizer and every edit of a transmitter or an
// antenna recalculate the same path again and again, and these terms hold most of its powers.
// They are kept on this thread, each exactly as it was calculated, until an input it depends on
// changes: a new length recalculates the powers of the length, not those of the frequency or
// the climate. A term whose calculation gave a guard message is never kept, so that the message
// comes again.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "engine/fading.h"
#include "engine/hop_record.h"
#include "engine/link_budget.h"
#include "engine/log_powers.h"
#include "engine/math_guard.h"

namespace korvel {

class PathTerms {
  public:
    // The kept terms, less those that depend on an input in which `hop` differs from the hop
    // calculated before it.
    static PathTerms& of(const HopState& hop);

    // As link_budget.h and fading.h calculate them, bit for bit.
    double pathLossDb(const HopState& hop, MathGuard& guard);
    double geoclimaticFactor(const HopRecord& record, MathGuard& guard);
    double grazingAngleMrad(const HopRecord& record, MathGuard& guard);
    OutageFactors outageFactors(const HopRecord& record, double grazingAngleMrad, MathGuard& guard);
    // 1 - exp(-0.000334 s^0.87 f^-0.12 d^0.48 p0^-1.04) of the space diversity improvement, s at
    // most 25 m; K and the factors are this path's, as the two calls above gave them.
    double spaceDiversityFactor(const HopRecord& record, double geoclimaticFactor,
                                const OutageFactors& factors, MathGuard& guard);

    // The inputs of the path and its terms, each a bit in the sets of path_terms.cpp.
    enum Input : unsigned {
        Length,
        Frequency,
        WaterVapour,
        Station1Height,
        Antenna1Height,
        Station2Height,
        Antenna2Height,
        Latitude,
        Longitude,
        TimePercentage,
        AntennaSpacing,
        Hemisphere,
        Land,
        PathMethod,
        // Not an input of its own: the geoclimatic exponent that the heights, the place, the land
        // and the method give, so that a new height that leaves it as it was keeps its power.
        ClimateExponent,
        kInputCount
    };
    enum Term : unsigned {
        PathLoss,
        LengthLn,
        FrequencyLn,
        LengthLog,
        FrequencyLog,
        Geoclimatic,
        GeoclimaticClimate,
        GeoclimaticTime,
        GrazingAngle,
        OutageDistance,
        OutageFrequency,
        OutageInclination,
        OutageGrazing,
        DiversityTerm,
        DiversitySpacing,
        DiversityFrequency,
        DiversityLength,
        DiversityFactor,
        kTermCount
    };

  private:
    template <typename Calculate> double take(Term term, MathGuard& guard, Calculate calculate);
    // ln of the length and the frequency, for all their powers (log_powers.h); never a message.
    double lengthLn(double hopLengthKm);
    double frequencyLn(double frequencyGHz);
    double takeLn(Term term, double x);

    std::array<std::uint64_t, kInputCount> inputs_{};
    std::array<double, kTermCount> values_{};
    std::uint32_t kept_ = 0; // a bit per term
};

// Defined here so that a kept term costs the calculation a test of its bit, not a call.
template <typename Calculate>
inline double PathTerms::take(Term term, MathGuard& guard, Calculate calculate) {
    const std::uint32_t bit = 1U << term;
    if ((kept_ & bit) != 0) {
        return values_[term];
    }
    const std::size_t before = guard.messages().size();
    values_[term] = calculate();
    if (guard.messages().size() == before) {
        kept_ |= bit;
    }
    return values_[term];
}

inline double PathTerms::pathLossDb(const HopState& hop, MathGuard& guard) {
    const double d = hop.record.hopLengthKm;
    const double f = hop.record.frequencyGHz;
    return take(PathLoss, guard, [&] {
        const double lengthLog =
            take(LengthLog, guard, [&] { return log10FromLog(d, lengthLn(d), guard); });
        const double frequencyLog =
            take(FrequencyLog, guard, [&] { return log10FromLog(f, frequencyLn(f), guard); });
        return pathLossFromLogsDb(lengthLog, frequencyLog, d, f, hop.waterVapourDensity);
    });
}

inline double PathTerms::geoclimaticFactor(const HopRecord& record, MathGuard& guard) {
    // Its powers apart: a new antenna height rarely changes the climate's, never the time's.
    return take(Geoclimatic, guard, [&] {
        return take(GeoclimaticClimate, guard,
                    [&] { return geoclimaticClimateTerm(record, guard); }) *
               take(GeoclimaticTime, guard,
                    [&] { return timePercentageTerm(record.pLPct, guard); });
    });
}

inline double PathTerms::grazingAngleMrad(const HopRecord& record, MathGuard& guard) {
    return take(GrazingAngle, guard, [&] { return korvel::grazingAngleMrad(record, guard); });
}

inline double PathTerms::lengthLn(double hopLengthKm) {
    return takeLn(LengthLn, hopLengthKm);
}

inline double PathTerms::frequencyLn(double frequencyGHz) {
    return takeLn(FrequencyLn, frequencyGHz);
}

inline double PathTerms::takeLn(Term term, double x) {
    const std::uint32_t bit = 1U << term;
    if ((kept_ & bit) == 0) {
        values_[term] = std::log(x);
        kept_ |= bit;
    }
    return values_[term];
}

inline OutageFactors PathTerms::outageFactors(const HopRecord& record, double grazingAngleMrad,
                                              MathGuard& guard) {
    // The exponents inside the calculations: a kept factor needs none.
    const auto exponents = [&record] { return outageExponents(record.method); };
    OutageFactors factors;
    const double d = record.hopLengthKm;
    const double f = record.frequencyGHz;
    factors.distance = take(OutageDistance, guard, [&] {
        return powerFromLog(d, lengthLn(d), exponents().distance, guard);
    });
    factors.frequency = take(OutageFrequency, guard, [&] {
        return powerFromLog(f, frequencyLn(f), exponents().frequency, guard);
    });
    factors.inclination = take(OutageInclination, guard, [&] {
        return guard.pow(1.0 + pathInclinationMrad(record), exponents().inclination);
    });
    if (record.method == Method::Method2) {
        factors.grazing = take(OutageGrazing, guard,
                               [&] { return guard.pow(grazingAngleMrad, exponents().grazing); });
    }
    return factors;
}

inline double PathTerms::spaceDiversityFactor(const HopRecord& record, double geoclimaticFactor,
                                              const OutageFactors& factors, MathGuard& guard) {
    return take(DiversityFactor, guard, [&] {
        const double pathTerm = take(DiversityTerm, guard, [&] {
            const double spacing = take(DiversitySpacing, guard, [&] {
                return guard.pow(std::min(record.antennaSpacingM, kSpaceDiversity.maxSpacingM),
                                 kSpaceDiversity.spacing);
            });
            const double f = record.frequencyGHz;
            const double d = record.hopLengthKm;
            const double frequency = take(DiversityFrequency, guard, [&] {
                return powerFromLog(f, frequencyLn(f), kSpaceDiversity.frequency, guard);
            });
            const double length = take(DiversityLength, guard, [&] {
                return powerFromLog(d, lengthLn(d), kSpaceDiversity.length, guard);
            });
            return kSpaceDiversity.coefficient * spacing * frequency * length;
        });
        const double exponent =
            pathTerm * multipathOccurrenceTerm(geoclimaticFactor, factors, guard);
        return 1.0 - std::exp(exponent);
    });
}

} // namespace korvel
