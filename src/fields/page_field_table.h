#pragma once
// Every number field of the Basics and Form pages and the rain dialog, one row each: the record
// member it edits, how many decimals show it, when the Form page reads it, and for a field read
// against normal limits how the notes and the tooltip name it, its unit and its range (the two
// bounds that follow the frequency included). The page rules, the limits and warnings of the
// fields, the tooltips and the pages' fill, store and read all walk these rows; a page adds only
// which of its controls shows which field.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/hop_record.h"

namespace korvel {

// A plausible range, both bounds inclusive, in the unit of the field.
struct FieldLimits {
    double lower = 0;
    double upper = 0;
};

// The number fields of the two pages and the rain dialog; the values index what the pages and
// the limit readings keep per field.
enum class PageField : std::size_t {
    OutageObjective,
    HopLength,
    TimePercentagePL,
    Longitude,
    Latitude,
    Station1Height,
    Station2Height,
    Antenna1Diameter,
    Antenna2Diameter,
    Antenna1Gain,
    Antenna2Gain,
    Feeder1Loss,
    Feeder2Loss,
    Connector1Loss,
    Connector2Loss,
    Feeder1Length,
    Feeder2Length,
    BranchingLoss,
    DiversityDiameter,
    DiversityGain,
    ChannelSpacing,
    Antenna1Height,
    Antenna2Height,
    AntennaSpacing,
    SelectiveMargin,
    ThresholdDegradation,
    TerrainLoss,
    RainRate,
};
inline constexpr std::size_t kPageFieldCount = 28;

enum class FieldPage { Basics, Form, Rain };

// When the Form page reads a field: its layout follows the diversity mode, and the feeder
// lengths and branching loss are held to limits only where coaxial feeders may be typed.
enum class ReadWhen { Always, CoaxBand, FrequencyDiversity, SpaceDiversity, SelectiveFading };

// Which Form page fields are read: by frequency, diversity layout and selective fading mode.
struct FormLayout {
    double frequencyGHz = 0;
    DiversityMode diversity = DiversityMode::No;
    SelectiveFading selectiveFading = SelectiveFading::No;
};

inline constexpr double kCoaxTypedUpToGHz = 18; // above, only waveguide lengths: no limits

// A field read against normal limits. A bound that follows the frequency replaces its fixed
// value whenever the frequency is known.
struct LimitedRow {
    std::string_view listedName; // as the pages' list dialogs name it
    std::string_view label;      // as its tooltip names it
    std::string_view unit;
    FieldLimits normal;       // after New
    double lowerTimesGHz = 0; // when set, the lower bound is this divided by the frequency
    double upperPerGHz = 0;   // when set, the upper bound is this times the frequency
    // Its note once shown is not shown again for the other hops of a route (until New).
    bool warnedAcrossRouteHops = false;
};

struct PageFieldRow {
    PageField field;
    FieldPage page;
    double HopRecord::*member;
    ReadWhen read = ReadWhen::Always;
    std::optional<LimitedRow> limited{};
    int decimals = 1;         // as the page shows the value
    bool wholeNumber = false; // typed and shown as a whole number
};

// Limited rows come first on each page, in the order the list dialogs name them.
inline constexpr std::array<PageFieldRow, kPageFieldCount> kPageFieldRows{{
    {PageField::TimePercentagePL, FieldPage::Basics, &HopRecord::pLPct, ReadWhen::Always,
     LimitedRow{"Percentage pL", "Time percentage pL", "%", {0.5, 80}, 0, 0, true}, 2},
    // A hop shorter than 15 / frequency (km, GHz) is implausible.
    {PageField::HopLength, FieldPage::Basics, &HopRecord::hopLengthKm, ReadWhen::Always,
     LimitedRow{"hop length.", "Hop length", "km", {1, 100}, 15}},
    {PageField::OutageObjective, FieldPage::Basics, &HopRecord::outageObjectivePct,
     ReadWhen::Always,
     LimitedRow{"outage objective.", "Outage time objective", "%", {0.0005, 0.02}}, 4},
    {PageField::Longitude, FieldPage::Basics, &HopRecord::longitudeDeg, ReadWhen::Always,
     std::nullopt, 0, true},
    {PageField::Latitude, FieldPage::Basics, &HopRecord::latitudeDeg, ReadWhen::Always,
     std::nullopt, 0, true},
    {PageField::Station1Height, FieldPage::Basics, &HopRecord::station1HeightM},
    {PageField::Station2Height, FieldPage::Basics, &HopRecord::station2HeightM},
    {PageField::Feeder2Length, FieldPage::Form, &HopRecord::feeder2LengthM, ReadWhen::CoaxBand,
     LimitedRow{"Feeder2 length", "Feeder 2 length", "m", {5, 200}, 0, 0, true}},
    {PageField::Feeder1Length, FieldPage::Form, &HopRecord::feeder1LengthM, ReadWhen::CoaxBand,
     LimitedRow{"Feeder1 length", "Feeder 1 length", "m", {5, 200}, 0, 0, true}},
    // A channel spacing above 0.05 x frequency is implausible.
    {PageField::ChannelSpacing, FieldPage::Form, &HopRecord::frequencyDifferenceGHz,
     ReadWhen::FrequencyDiversity,
     LimitedRow{"Channel spacing", "Channel spacing", "GHz", {0, 1}, 0, 0.05}, 3},
    {PageField::AntennaSpacing, FieldPage::Form, &HopRecord::antennaSpacingM,
     ReadWhen::SpaceDiversity,
     LimitedRow{"Diversity ant. spacing", "Diversity antenna spacing", "m", {3, 23}}},
    {PageField::SelectiveMargin, FieldPage::Form, &HopRecord::msmRefDb, ReadWhen::SelectiveFading,
     LimitedRow{"Sel. fading margin", "Selective fading margin", "dB", {20, 60}}},
    {PageField::ThresholdDegradation, FieldPage::Form, &HopRecord::thresholdDegradationDb,
     ReadWhen::Always, LimitedRow{"Threshold degradation", "Threshold degradation", "dB", {0, 5}}},
    {PageField::TerrainLoss, FieldPage::Form, &HopRecord::addTerrainLossDb, ReadWhen::Always,
     LimitedRow{"Additional terrain loss", "Additional terrain loss", "dB", {0, 15}}},
    {PageField::BranchingLoss, FieldPage::Form, &HopRecord::branchingLossDb, ReadWhen::CoaxBand,
     LimitedRow{"Antenna branching loss", "Antenna branching loss", "dB", {1, 12}}},
    {PageField::Antenna2Height, FieldPage::Form, &HopRecord::antenna2HeightM, ReadWhen::Always,
     LimitedRow{"Antenna 2 height", "Antenna 2 height", "m", {10, 999}}},
    {PageField::Antenna1Height, FieldPage::Form, &HopRecord::antenna1HeightM, ReadWhen::Always,
     LimitedRow{"Antenna 1 height", "Antenna 1 height", "m", {10, 999}}},
    {PageField::Antenna1Diameter, FieldPage::Form, &HopRecord::antenna1DiameterM},
    {PageField::Antenna2Diameter, FieldPage::Form, &HopRecord::antenna2DiameterM},
    {PageField::Antenna1Gain, FieldPage::Form, &HopRecord::antenna1GainDbi},
    {PageField::Antenna2Gain, FieldPage::Form, &HopRecord::antenna2GainDbi},
    {PageField::Feeder1Loss, FieldPage::Form, &HopRecord::feeder1LossDbPer100m},
    {PageField::Feeder2Loss, FieldPage::Form, &HopRecord::feeder2LossDbPer100m},
    {PageField::Connector1Loss, FieldPage::Form, &HopRecord::connector1LossDb},
    {PageField::Connector2Loss, FieldPage::Form, &HopRecord::connector2LossDb},
    {PageField::DiversityDiameter, FieldPage::Form, &HopRecord::diversityDiameterM,
     ReadWhen::SpaceDiversity},
    {PageField::DiversityGain, FieldPage::Form, &HopRecord::diversityGainDbi,
     ReadWhen::SpaceDiversity},
    {PageField::RainRate, FieldPage::Rain, &HopRecord::rainRateMmH, ReadWhen::Always,
     LimitedRow{"Rainrate", "Rainfall rate (0.01%)", "mm/h", {10, 200}, 0, 0, true}, 0, true},
}};

// The row of `field`.
constexpr const PageFieldRow& pageFieldRow(PageField field) {
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.field == field) {
            return row;
        }
    }
    return kPageFieldRows.front(); // unreachable: every field has its row (checked below)
}

// Whether the Form page in `layout` shows the field (and stores it).
constexpr bool shownIn(const PageFieldRow& row, DiversityMode diversity) {
    switch (row.read) {
    case ReadWhen::FrequencyDiversity:
        return diversity == DiversityMode::Freq;
    case ReadWhen::SpaceDiversity:
        return diversity == DiversityMode::Space;
    default:
        return true;
    }
}

// Whether the Form page in `layout` reads the field against its limits.
constexpr bool limitsRead(const PageFieldRow& row, const FormLayout& layout) {
    switch (row.read) {
    case ReadWhen::CoaxBand:
        return layout.frequencyGHz <= kCoaxTypedUpToGHz;
    case ReadWhen::SelectiveFading:
        return layout.selectiveFading != SelectiveFading::No;
    default:
        return row.limited && shownIn(row, layout.diversity);
    }
}

// `limits` with the bounds that follow the frequency set for `frequencyGHz` (a bound divided by
// the frequency only once it is known).
constexpr FieldLimits limitsAtFrequency(const LimitedRow& row, FieldLimits limits,
                                        double frequencyGHz) {
    if (row.lowerTimesGHz != 0 && frequencyGHz > 0) {
        limits.lower = row.lowerTimesGHz / frequencyGHz;
    }
    if (row.upperPerGHz != 0) {
        limits.upper = row.upperPerGHz * frequencyGHz;
    }
    return limits;
}

namespace detail {
constexpr bool everyFieldOnce() {
    std::array<int, kPageFieldCount> seen{};
    for (const PageFieldRow& row : kPageFieldRows) {
        ++seen[static_cast<std::size_t>(row.field)];
    }
    for (const int count : seen) {
        if (count != 1) {
            return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(detail::everyFieldOnce(), "every page field has exactly one row");

} // namespace korvel
