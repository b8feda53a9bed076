#include "ui/limit_tips.h"

#include <array>
#include <sstream>
#include <string>

#include "ui/basics_page.h"
#include "ui/form_page.h"
#include "ui/rain_dialog.h"

namespace korvel {

namespace {

struct LimitedControl {
    ControlId control;
    LimitedField field;
    const char* what;
    const char* unit;
};

constexpr std::array<LimitedControl, 14> kLimitedControls{{
    {kObjectiveField, LimitedField::OutageObjective, "Outage time objective", "%"},
    {kHopLengthField, LimitedField::HopLength, "Hop length", "km"},
    {kPLField, LimitedField::TimePercentagePL, "Time percentage pL", "%"},
    {kAntenna1HeightField, LimitedField::Antenna1Height, "Antenna 1 height", "m"},
    {kAntenna2HeightField, LimitedField::Antenna2Height, "Antenna 2 height", "m"},
    {kBranchingLossField, LimitedField::BranchingLoss, "Antenna branching loss", "dB"},
    {kTerrainLossField, LimitedField::AdditionalTerrainLoss, "Additional terrain loss", "dB"},
    {kThresholdDegradationField, LimitedField::ThresholdDegradation, "Threshold degradation", "dB"},
    {kAntennaSpacingField, LimitedField::AntennaSpacing, "Diversity antenna spacing", "m"},
    {kChannelSpacingField, LimitedField::ChannelSpacing, "Channel spacing", "GHz"},
    {kSelectiveMarginField, LimitedField::SelectiveFadingMargin, "Selective fading margin", "dB"},
    {kFeeder1LengthField, LimitedField::Feeder1Length, "Feeder 1 length", "m"},
    {kFeeder2LengthField, LimitedField::Feeder2Length, "Feeder 2 length", "m"},
    {kRainRateField, LimitedField::RainRate, "Rainfall rate (0.01%)", "mm/h"},
}};

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
