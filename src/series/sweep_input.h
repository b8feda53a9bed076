#pragma once
// The inputs a sweep can vary, what they are called, their units, the hop's own value, the range
// a sweep takes when none is given, and the one change a sweep point makes to the hop.

#include <optional>
#include <string_view>

#include "engine/hop_record.h"

namespace korvel {

enum class SweepInput {
    Diameter,         // both main antennas, m; each gets the gain the combination search gives
    Length,           // hop length, km
    RainRate,         // rain rate, mm/h (6 GHz and above)
    Spacing,          // main to diversity antenna spacing, m (space diversity)
    ChannelSpacing,   // frequency difference of the two channels, GHz (frequency diversity)
    Antenna1Diameter, // station 1's main antenna alone, m
    Antenna2Diameter, // station 2's main antenna alone, m
};

inline constexpr SweepInput kSweepInputs[] = {
    SweepInput::Diameter,      SweepInput::Antenna1Diameter, SweepInput::Antenna2Diameter,
    SweepInput::Length,        SweepInput::RainRate,         SweepInput::Spacing,
    SweepInput::ChannelSpacing};

// Both antennas' diameter or one's.
constexpr bool isDiameterInput(SweepInput input) {
    return input == SweepInput::Diameter || input == SweepInput::Antenna1Diameter ||
           input == SweepInput::Antenna2Diameter;
}

std::string_view sweepInputName(SweepInput input);  // "diameter", "length", "rain-rate", ...
std::string_view sweepInputLabel(SweepInput input); // "Antenna diameter", "Hop length", ...
std::string_view sweepInputUnit(SweepInput input);  // "m", "km", "mm/h", "m", "GHz"
std::optional<SweepInput> sweepInputNamed(std::string_view name);

// The hop's own value of the input (antenna 1's diameter for Diameter, both).
double sweepInputValue(const HopRecord& record, SweepInput input);

// Why the input cannot be swept for this hop, or empty: spacing needs space diversity, channel
// spacing frequency diversity, rain rate a frequency of 6 GHz or more.
std::string_view sweepInputRefusal(const HopRecord& record, SweepInput input);

struct SweepRange {
    double from = 0;
    double to = 0;
    int steps = 50; // points, ends included
};

inline constexpr int kMinSweepSteps = 2;
inline constexpr int kMaxSweepSteps = 1000;
inline constexpr int kDefaultSweepSteps = 50;

// Half to twice the hop's value, 50 points. A hop whose value is 0 or less sweeps 0.3 to 4.8 m
// of diameter, 1 to 100 km, 0 to 100 mm/h, 5 to 25 m of spacing or 0.01 to 1 GHz. The lower end
// never goes below the smallest value the calculation takes (sweepInputMinimum).
SweepRange defaultSweepRange(const HopRecord& record, SweepInput input);

// The smallest value a point may take: a diameter above 0 (at least 0.01 m), a length of 0.1 km,
// a rain rate of 0, a spacing of 0.01 m, a channel spacing of 0.00001 GHz.
double sweepInputMinimum(SweepInput input);

// Why a range cannot be swept, or empty: steps outside 2 to 1000, an end that is not a number
// or below the input's minimum, a rain rate above kMaxRainRateMmH.
std::string_view sweepRangeRefusal(SweepInput input, const SweepRange& range);

// The value of point `index` of `range`: evenly spaced, both ends exact.
double sweepPointValue(const SweepRange& range, int index);

// Sets the input to `value` as the Form page would take it: a diameter gives both main antennas
// (or the one swept) that diameter and its gain; a length also brings a Standard selective margin
// to the new length. The rain rate is not part of HopRecord's calculation and is only stored.
void applySweepInput(HopState& hop, SweepInput input, double value);

} // namespace korvel
