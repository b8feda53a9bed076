#include "series/sweep_input.h"

#include <algorithm>
#include <cmath>

#include "engine/link_budget.h"
#include "engine/rain.h"
#include "engine/selective_margin.h"

namespace korvel {

namespace {

struct InputTraits {
    std::string_view name;
    std::string_view label;
    std::string_view unit;
    double minimum;
    double emptyFrom; // the range of a hop whose value is 0 or less
    double emptyTo;
};

const InputTraits& traits(SweepInput input) {
    static constexpr InputTraits kTraits[] = {
        {"diameter", "Antenna diameters, both", "m", 0.01, 0.3, 4.8},
        {"length", "Hop length", "km", 0.1, 1.0, 100.0},
        {"rain-rate", "Rain rate", "mm/h", 0.0, 0.0, 100.0},
        {"spacing", "Antenna spacing", "m", 0.01, 5.0, 25.0},
        {"channel-spacing", "Channel spacing", "GHz", 0.00001, 0.01, 1.0},
        {"diameter1", "Antenna 1 diameter", "m", 0.01, 0.3, 4.8},
        {"diameter2", "Antenna 2 diameter", "m", 0.01, 0.3, 4.8},
    };
    return kTraits[static_cast<int>(input)];
}

} // namespace

std::string_view sweepInputName(SweepInput input) {
    return traits(input).name;
}

std::string_view sweepInputLabel(SweepInput input) {
    return traits(input).label;
}

std::string_view sweepInputUnit(SweepInput input) {
    return traits(input).unit;
}

std::optional<SweepInput> sweepInputNamed(std::string_view name) {
    for (const SweepInput input : kSweepInputs) {
        if (sweepInputName(input) == name) {
            return input;
        }
    }
    return std::nullopt;
}

double sweepInputValue(const HopRecord& record, SweepInput input) {
    switch (input) {
    case SweepInput::Diameter:
    case SweepInput::Antenna1Diameter:
        return record.antenna1DiameterM;
    case SweepInput::Antenna2Diameter:
        return record.antenna2DiameterM;
    case SweepInput::Length:
        return record.hopLengthKm;
    case SweepInput::RainRate:
        return record.rainRateMmH;
    case SweepInput::Spacing:
        return record.antennaSpacingM;
    case SweepInput::ChannelSpacing:
        return record.frequencyDifferenceGHz;
    }
    return 0.0;
}

std::string_view sweepInputRefusal(const HopRecord& record, SweepInput input) {
    switch (input) {
    case SweepInput::RainRate:
        if (!(record.frequencyGHz >= kRainMinimumFrequencyGHz)) {
            return "Current formulas for rain attenuation do not support frequencies below 6 GHz.";
        }
        break;
    case SweepInput::Spacing:
        if (record.diversityMode != DiversityMode::Space) {
            return "The antenna spacing is swept only for a hop with space diversity.";
        }
        break;
    case SweepInput::ChannelSpacing:
        if (record.diversityMode != DiversityMode::Freq) {
            return "The channel spacing is swept only for a hop with frequency diversity.";
        }
        break;
    case SweepInput::Diameter:
    case SweepInput::Antenna1Diameter:
    case SweepInput::Antenna2Diameter:
    case SweepInput::Length:
        break;
    }
    return {};
}

double sweepInputMinimum(SweepInput input) {
    return traits(input).minimum;
}

SweepRange defaultSweepRange(const HopRecord& record, SweepInput input) {
    const InputTraits& t = traits(input);
    const double value = sweepInputValue(record, input);
    if (!(value > 0.0) || !std::isfinite(value)) {
        return {t.emptyFrom, t.emptyTo, kDefaultSweepSteps};
    }
    return {std::max(value / 2.0, t.minimum), std::max(value * 2.0, t.minimum), kDefaultSweepSteps};
}

std::string_view sweepRangeRefusal(SweepInput input, const SweepRange& range) {
    if (range.steps < kMinSweepSteps || range.steps > kMaxSweepSteps) {
        return "The number of steps must be from 2 to 1000.";
    }
    if (!std::isfinite(range.from) || !std::isfinite(range.to)) {
        return "The ends of the range must be numbers.";
    }
    if (input == SweepInput::RainRate &&
        (range.from > kMaxRainRateMmH || range.to > kMaxRainRateMmH)) {
        return "The rain rate must be from 0 to 32767 mm/h.";
    }
    if (range.from < sweepInputMinimum(input) || range.to < sweepInputMinimum(input)) {
        switch (input) {
        case SweepInput::Diameter:
        case SweepInput::Antenna1Diameter:
        case SweepInput::Antenna2Diameter:
            return "The diameter must be at least 0.01 m.";
        case SweepInput::Length:
            return "The hop length must be at least 0.1 km.";
        case SweepInput::RainRate:
            return "The rain rate cannot be negative.";
        case SweepInput::Spacing:
            return "The antenna spacing must be at least 0.01 m.";
        case SweepInput::ChannelSpacing:
            return "The channel spacing must be at least 0.00001 GHz.";
        }
    }
    return {};
}

double sweepPointValue(const SweepRange& range, int index) {
    if (index <= 0 || range.steps <= 1) {
        return range.from;
    }
    if (index >= range.steps - 1) {
        return range.to;
    }
    return range.from + (range.to - range.from) * index / (range.steps - 1);
}

void applySweepInput(HopState& hop, SweepInput input, double value) {
    HopRecord& r = hop.record;
    switch (input) {
    case SweepInput::Diameter:
        r.antenna1DiameterM = r.antenna2DiameterM = value;
        r.antenna1GainDbi = r.antenna2GainDbi = antennaGainDbi(value, r.frequencyGHz);
        break;
    case SweepInput::Antenna1Diameter:
        r.antenna1DiameterM = value;
        r.antenna1GainDbi = antennaGainDbi(value, r.frequencyGHz);
        break;
    case SweepInput::Antenna2Diameter:
        r.antenna2DiameterM = value;
        r.antenna2GainDbi = antennaGainDbi(value, r.frequencyGHz);
        break;
    case SweepInput::Length:
        r.hopLengthKm = value;
        prepareSelectiveMargin(hop);
        break;
    case SweepInput::RainRate:
        r.rainRateMmH = value;
        break;
    case SweepInput::Spacing:
        r.antennaSpacingM = value;
        break;
    case SweepInput::ChannelSpacing:
        r.frequencyDifferenceGHz = value;
        break;
    }
}

} // namespace korvel
