#include "ui/limit_tips.h"

#include <array>
#include <sstream>
#include <string>

namespace korvel {

namespace {

struct LimitedControl {
    ControlId control;
    LimitedField field;
    const char* what;
    const char* unit;
};

constexpr std::array kLimitedControls{
    LimitedControl{1100, LimitedField::OutageObjective, "Outage time objective", "%"},
    LimitedControl{1101, LimitedField::HopLength, "Hop length", "km"},
    LimitedControl{1132, LimitedField::TimePercentagePL, "Time percentage pL", "%"},
    LimitedControl{1210, LimitedField::Antenna1Height, "Antenna 1 height", "m"},
    LimitedControl{1211, LimitedField::Antenna2Height, "Antenna 2 height", "m"},
    LimitedControl{1222, LimitedField::BranchingLoss, "Antenna branching loss", "dB"},
    LimitedControl{1223, LimitedField::AdditionalTerrainLoss, "Additional terrain loss", "dB"},
    LimitedControl{1227, LimitedField::ThresholdDegradation, "Threshold degradation", "dB"},
    LimitedControl{1238, LimitedField::AntennaSpacing, "Diversity antenna spacing", "m"},
    LimitedControl{1241, LimitedField::ChannelSpacing, "Channel spacing", "GHz"},
    LimitedControl{1243, LimitedField::SelectiveFadingMargin, "Selective fading margin", "dB"},
    LimitedControl{1212, LimitedField::Feeder1Length, "Feeder 1 length", "m"},
    LimitedControl{1213, LimitedField::Feeder2Length, "Feeder 2 length", "m"},
    LimitedControl{2002, LimitedField::RainRate, "Rainfall rate (0.01%)", "mm/h"},
};

// Hop length and channel spacing have a bound that follows the frequency; the pages set it
// just before each reading, so the tip works it out the same way.
FieldLimits limitsAt(const NumericEntryState& fields, LimitedField field, double frequencyGHz) {
    FieldLimits limits = fields.limits(field);
    if (frequencyGHz > 0 && field == LimitedField::HopLength) {
        limits.lower = 15 / frequencyGHz;
    } else if (field == LimitedField::ChannelSpacing) {
        limits.upper = 0.05 * frequencyGHz;
    }
    return limits;
}

} // namespace

void showLimitTips(DialogView& view, const NumericEntryState& fields, double frequencyGHz) {
    for (const LimitedControl& entry : kLimitedControls) {
        const FieldLimits limits = limitsAt(fields, entry.field, frequencyGHz);
        std::ostringstream tip;
        tip.precision(3);
        tip << entry.what << ", " << entry.unit << ". Normal range " << limits.lower << " to "
            << limits.upper << ' ' << entry.unit << "; a value outside it is asked about once.";
        view.setToolTip(entry.control, tip.str());
    }
}

} // namespace korvel
