#pragma once
// The terms of a hop's calculation that depend on its path alone (length, frequency, heights,
// climate region), not on its equipment: the optimizer and every edit of a transmitter or an
// antenna recalculate the same path again and again, and these terms hold most of its powers.
// They are kept from the last calculation of the same path on this thread, each exactly as it
// was calculated; a term whose calculation gave a guard message is never kept, so that the
// message comes again.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/fading.h"
#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

class PathTerms {
  public:
    // The kept terms when `hop` has the path they were calculated for; none otherwise.
    static PathTerms& of(const HopState& hop);

    template <typename Term, typename Calculate>
    Term take(std::optional<Term>& slot, MathGuard& guard, Calculate calculate) {
        if (slot) {
            return *slot;
        }
        const std::size_t before = guard.messages().size();
        const Term term = calculate();
        if (guard.messages().size() == before) {
            slot = term;
        }
        return term;
    }

    std::optional<double> pathLossDb;
    std::optional<double> geoclimaticFactor;
    std::optional<double> grazingAngleMrad;
    std::optional<OutageFactors> outageFactors;
    std::optional<double> spaceDiversityTerm; // -0.000334 s^0.87 f^-0.12 d^0.48

  private:
    using Key = std::array<std::uint64_t, 14>;
    static Key keyOf(const HopState& hop);

    Key key_{};
    bool keyed_ = false;
};

} // namespace korvel
