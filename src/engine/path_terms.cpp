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
    if (!last.keyed_ || key != last.key_) {
        last = PathTerms{};
        last.key_ = key;
        last.keyed_ = true;
    }
    return last;
}

} // namespace korvel
