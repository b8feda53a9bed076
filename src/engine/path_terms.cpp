#include "engine/path_terms.h"

#include <bit>

namespace korvel {

// The bits of each value the path terms read: the same bits give the same terms (-0.0 is not 0.0
// for a power).
PathTerms::Key PathTerms::keyOf(const HopState& hop) {
    const HopRecord& r = hop.record;
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    return {bits(r.hopLengthKm),
            bits(r.frequencyGHz),
            bits(hop.waterVapourDensity),
            bits(r.station1HeightM),
            bits(r.antenna1HeightM),
            bits(r.station2HeightM),
            bits(r.antenna2HeightM),
            bits(r.latitudeDeg),
            bits(r.longitudeDeg),
            bits(r.pLPct),
            bits(r.antennaSpacingM),
            static_cast<std::uint64_t>(r.eastWest),
            static_cast<std::uint64_t>(r.landType),
            static_cast<std::uint64_t>(r.method)};
}

PathTerms& PathTerms::of(const HopState& hop) {
    thread_local PathTerms last;
    const Key key = keyOf(hop);
    // Compared without a branch per value: this runs before every calculation.
    std::uint64_t differences = last.keyed_ ? 0 : 1;
    for (std::size_t i = 0; i < key.size(); ++i) {
        differences |= key[i] ^ last.key_[i];
    }
    if (differences != 0) {
        last.pathLossDb.reset();
        last.geoclimaticFactor.reset();
        last.grazingAngleMrad.reset();
        last.outageFactors.reset();
        last.spaceDiversityTerm.reset();
        last.key_ = key;
        last.keyed_ = true;
    }
    return last;
}

} // namespace korvel
