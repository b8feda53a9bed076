#include "engine/path_terms.h"

#include <bit>
#include <cstddef>
#include <initializer_list>

namespace korvel {

namespace {

using Input = PathTerms::Input;
using Term = PathTerms::Term;

constexpr std::uint32_t bits(std::initializer_list<Input> inputs) {
    std::uint32_t set = 0;
    for (Input input : inputs) {
        set |= 1U << input;
    }
    return set;
}

// The inputs a term reads, through its formula or through the terms it is made of.
constexpr std::uint32_t dependencies(Term term) {
    using enum PathTerms::Input;
    const std::uint32_t heights =
        bits({Station1Height, Antenna1Height, Station2Height, Antenna2Height});
    const std::uint32_t grazingAngle = bits({Antenna1Height, Antenna2Height, Length});
    switch (term) {
    case PathTerms::PathLoss:
        return bits({Length, Frequency, WaterVapour});
    case PathTerms::LengthLn:
    case PathTerms::LengthLog:
    case PathTerms::DiversityLength:
        return bits({Length});
    case PathTerms::FrequencyLn:
    case PathTerms::FrequencyLog:
    case PathTerms::DiversityFrequency:
        return bits({Frequency});
    case PathTerms::Geoclimatic:
        return dependencies(PathTerms::GeoclimaticClimate) | bits({TimePercentage});
    case PathTerms::GeoclimaticClimate:
        return bits({ClimateExponent});
    case PathTerms::GeoclimaticTime:
        return bits({TimePercentage});
    case PathTerms::GrazingAngle:
        return grazingAngle;
    case PathTerms::OutageDistance:
        return bits({Length, PathMethod});
    case PathTerms::OutageFrequency:
        return bits({Frequency, PathMethod});
    case PathTerms::OutageInclination:
        return heights | bits({Length, PathMethod});
    case PathTerms::OutageGrazing:
        return grazingAngle | bits({PathMethod});
    case PathTerms::DiversityTerm:
        return bits({AntennaSpacing, Frequency, Length});
    case PathTerms::DiversitySpacing:
        return bits({AntennaSpacing});
    case PathTerms::DiversityFactor:
        return dependencies(PathTerms::Geoclimatic) | dependencies(PathTerms::OutageDistance) |
               dependencies(PathTerms::OutageFrequency) |
               dependencies(PathTerms::OutageInclination) | dependencies(PathTerms::OutageGrazing) |
               dependencies(PathTerms::DiversityTerm);
    case PathTerms::kTermCount:
        break;
    }
    return 0;
}

// The terms that depend on each input, by input.
constexpr std::array<std::uint32_t, PathTerms::kInputCount> kDependents = [] {
    std::array<std::uint32_t, PathTerms::kInputCount> dependents{};
    for (unsigned term = 0; term < PathTerms::kTermCount; ++term) {
        for (std::size_t input = 0; input < dependents.size(); ++input) {
            if ((dependencies(static_cast<Term>(term)) >> input & 1U) != 0) {
                dependents[input] |= 1U << term;
            }
        }
    }
    return dependents;
}();

// The inputs the geoclimatic exponent is worked out from.
constexpr std::uint32_t kClimateSources = bits(
    {Input::Station1Height, Input::Antenna1Height, Input::Station2Height, Input::Antenna2Height,
     Input::Latitude, Input::Longitude, Input::Hemisphere, Input::Land, Input::PathMethod});

// The bits of each input: the same bits give the same terms (-0.0 is not 0.0 for a power).
std::array<std::uint64_t, PathTerms::kInputCount> inputsOf(const HopState& hop) {
    const HopRecord& r = hop.record;
    const auto bitsOf = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    return {bitsOf(r.hopLengthKm),
            bitsOf(r.frequencyGHz),
            bitsOf(hop.waterVapourDensity),
            bitsOf(r.station1HeightM),
            bitsOf(r.antenna1HeightM),
            bitsOf(r.station2HeightM),
            bitsOf(r.antenna2HeightM),
            bitsOf(r.latitudeDeg),
            bitsOf(r.longitudeDeg),
            bitsOf(r.pLPct),
            bitsOf(r.antennaSpacingM),
            static_cast<std::uint64_t>(r.eastWest),
            static_cast<std::uint64_t>(r.landType),
            static_cast<std::uint64_t>(r.method),
            0};
}

} // namespace

PathTerms& PathTerms::of(const HopState& hop) {
    thread_local PathTerms last;
    auto inputs = inputsOf(hop);
    // Worked out only when one of its sources changed: until then it is the one kept.
    inputs[ClimateExponent] = last.inputs_[ClimateExponent];
    // Compared without a branch per input first: this runs before every calculation, and most
    // calculations keep the path.
    std::uint64_t differences = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        differences |= inputs[i] ^ last.inputs_[i];
    }
    if (differences != 0) {
        std::uint32_t changed = 0;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (inputs[i] != last.inputs_[i]) {
                last.kept_ &= ~kDependents[i];
                changed |= 1U << i;
            }
        }
        if ((changed & kClimateSources) != 0) {
            inputs[ClimateExponent] = std::bit_cast<std::uint64_t>(geoclimaticExponent(hop.record));
            if (inputs[ClimateExponent] != last.inputs_[ClimateExponent]) {
                last.kept_ &= ~kDependents[ClimateExponent];
            }
        }
        last.inputs_ = inputs;
    }
    return last;
}

} // namespace korvel
