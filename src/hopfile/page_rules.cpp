#include "hopfile/page_rules.h"

#include <cmath>
#include <initializer_list>

namespace korvel {
namespace {

constexpr double kShortestHopKm = 0.1;
constexpr double kSmallestNonZero = 0.00001;
constexpr double kWaveguideOnlyAboveGHz = 18; // only waveguide lengths are typed: no limits

constexpr std::array<ListedPageField, 3> kBasicsListed{{
    {PageField::TimePercentagePL, LimitedField::TimePercentagePL, "Percentage pL"},
    {PageField::HopLength, LimitedField::HopLength, "hop length."},
    {PageField::OutageObjective, LimitedField::OutageObjective, "outage objective."},
}};

constexpr std::array<ListedPageField, 10> kFormListed{{
    {PageField::Feeder2Length, LimitedField::Feeder2Length, "Feeder2 length"},
    {PageField::Feeder1Length, LimitedField::Feeder1Length, "Feeder1 length"},
    {PageField::ChannelSpacing, LimitedField::ChannelSpacing, "Channel spacing"},
    {PageField::AntennaSpacing, LimitedField::AntennaSpacing, "Diversity ant. spacing"},
    {PageField::SelectiveMargin, LimitedField::SelectiveFadingMargin, "Sel. fading margin"},
    {PageField::ThresholdDegradation, LimitedField::ThresholdDegradation, "Threshold degradation"},
    {PageField::TerrainLoss, LimitedField::AdditionalTerrainLoss, "Additional terrain loss"},
    {PageField::BranchingLoss, LimitedField::BranchingLoss, "Antenna branching loss"},
    {PageField::Antenna2Height, LimitedField::Antenna2Height, "Antenna 2 height"},
    {PageField::Antenna1Height, LimitedField::Antenna1Height, "Antenna 1 height"},
}};

constexpr std::array<std::string_view, kPageFieldCount> kRecordFields{
    "outageObjectivePct",
    "hopLengthKm",
    "pLPct",
    "longitudeDeg",
    "latitudeDeg",
    "station1HeightM",
    "station2HeightM",
    "antenna1DiameterM",
    "antenna2DiameterM",
    "antenna1GainDbi",
    "antenna2GainDbi",
    "feeder1LossDbPer100m",
    "feeder2LossDbPer100m",
    "connector1LossDb",
    "connector2LossDb",
    "feeder1LengthM",
    "feeder2LengthM",
    "branchingLossDb",
    "diversityDiameterM",
    "diversityGainDbi",
    "frequencyDifferenceGHz",
    "antenna1HeightM",
    "antenna2HeightM",
    "antennaSpacingM",
    "msmRefDb",
    "thresholdDegradationDb",
    "addTerrainLossDb",
};

// A number a field accepts at all: finite and not negative.
bool acceptable(double value) {
    return std::isfinite(value) && value >= 0;
}

bool within(double value, double lowest, double highest) {
    return std::isfinite(value) && value >= lowest && value <= highest;
}

PageRefusal box(PageField field, std::string_view text, std::string_view caption, MessageIcon icon,
                bool beep) {
    return {field, true, text, caption, icon, beep, {}};
}

// The list of the fields that hold no acceptable number, when there is one.
std::optional<PageRefusal> invalidList(const PageValues& values,
                                       std::span<const ListedPageField> fields) {
    std::vector<ListedPageField> invalid;
    for (const ListedPageField& listed : fields) {
        if (!acceptable(values[listed.field])) {
            invalid.push_back(listed);
        }
    }
    if (invalid.empty()) {
        return std::nullopt;
    }
    const PageField last = invalid.back().field;
    return PageRefusal{
        last, true, kInvalidDataList, "Error!", MessageIcon::None, false, std::move(invalid)};
}

// The Form page's fields read as plain numbers: the first without one is refused at once.
std::optional<PageRefusal> firstPlainInvalid(const PageValues& values,
                                             std::initializer_list<PageField> fields) {
    for (const PageField field : fields) {
        if (!acceptable(values[field])) {
            return box(field, "Invalid data.", kAppCaption, MessageIcon::Warning, true);
        }
    }
    return std::nullopt;
}

} // namespace

std::string PageRefusal::message() const {
    std::string line(text);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        line += (i == 0 ? "" : ", ");
        line += listed[i].name;
    }
    return line;
}

std::string_view recordFieldName(PageField field) {
    return kRecordFields[static_cast<std::size_t>(field)];
}

PageValues storedPageValues(const HopState& hop) {
    const HopRecord& r = hop.record;
    PageValues v;
    v[PageField::OutageObjective] = r.outageObjectivePct;
    v[PageField::HopLength] = r.hopLengthKm;
    v[PageField::TimePercentagePL] = r.pLPct;
    v[PageField::Longitude] = r.longitudeDeg;
    v[PageField::Latitude] = r.latitudeDeg;
    v[PageField::Station1Height] = r.station1HeightM;
    v[PageField::Station2Height] = r.station2HeightM;
    v[PageField::Antenna1Diameter] = r.antenna1DiameterM;
    v[PageField::Antenna2Diameter] = r.antenna2DiameterM;
    v[PageField::Antenna1Gain] = r.antenna1GainDbi;
    v[PageField::Antenna2Gain] = r.antenna2GainDbi;
    v[PageField::Feeder1Loss] = r.feeder1LossDbPer100m;
    v[PageField::Feeder2Loss] = r.feeder2LossDbPer100m;
    v[PageField::Connector1Loss] = r.connector1LossDb;
    v[PageField::Connector2Loss] = r.connector2LossDb;
    v[PageField::Feeder1Length] = r.feeder1LengthM;
    v[PageField::Feeder2Length] = r.feeder2LengthM;
    v[PageField::BranchingLoss] = r.branchingLossDb;
    v[PageField::DiversityDiameter] = r.diversityDiameterM;
    v[PageField::DiversityGain] = r.diversityGainDbi;
    v[PageField::ChannelSpacing] = r.frequencyDifferenceGHz;
    v[PageField::Antenna1Height] = r.antenna1HeightM;
    v[PageField::Antenna2Height] = r.antenna2HeightM;
    v[PageField::AntennaSpacing] = r.antennaSpacingM;
    v[PageField::SelectiveMargin] =
        r.selectiveFading == SelectiveFading::User ? hop.results.Msm : r.msmRefDb;
    v[PageField::ThresholdDegradation] = r.thresholdDegradationDb;
    v[PageField::TerrainLoss] = r.addTerrainLossDb;
    return v;
}

std::span<const ListedPageField> basicsListedFields() {
    return kBasicsListed;
}

std::vector<ListedPageField> formListedFields(const FormLayout& layout) {
    std::vector<ListedPageField> read;
    for (const ListedPageField& listed : kFormListed) {
        switch (listed.field) {
        case PageField::Feeder1Length:
        case PageField::Feeder2Length:
        case PageField::BranchingLoss:
            if (layout.frequencyGHz > kWaveguideOnlyAboveGHz) {
                continue;
            }
            break;
        case PageField::ChannelSpacing:
            if (layout.diversity != DiversityMode::Freq) {
                continue;
            }
            break;
        case PageField::AntennaSpacing:
            if (layout.diversity != DiversityMode::Space) {
                continue;
            }
            break;
        case PageField::SelectiveMargin:
            if (layout.selectiveFading == SelectiveFading::No) {
                continue;
            }
            break;
        default:
            break;
        }
        read.push_back(listed);
    }
    return read;
}

std::optional<PageRefusal> basicsRefusal(const PageValues& v) {
    if (auto invalid = invalidList(v, kBasicsListed)) {
        return invalid;
    }
    if (!(v[PageField::HopLength] >= kShortestHopKm)) {
        return box(PageField::HopLength, "Invalid value : Hop length.", "Error",
                   MessageIcon::Exclamation, false);
    }
    const auto outside = [](PageField field, std::string_view text) {
        return box(field, text, "Error", MessageIcon::Exclamation, true);
    };
    if (!within(v[PageField::Longitude], 0, 180)) {
        return outside(PageField::Longitude, "Invalid value: Longitude");
    }
    if (!within(v[PageField::Latitude], 0, 90)) {
        return outside(PageField::Latitude, "Invalid value: Latitude");
    }
    if (!within(v[PageField::TimePercentagePL], 0, 100)) {
        return outside(PageField::TimePercentagePL, "Invalid value: pL");
    }
    // Station heights may lie below sea level.
    if (!std::isfinite(v[PageField::Station1Height])) {
        return outside(PageField::Station1Height, "Invalid value: Station 1 height.");
    }
    if (!std::isfinite(v[PageField::Station2Height])) {
        return outside(PageField::Station2Height, "Invalid value: Station 2 height.");
    }
    return std::nullopt;
}

std::optional<PageRefusal> formRefusal(const PageValues& v, const FormLayout& layout) {
    if (auto plain = firstPlainInvalid(v, {PageField::Antenna1Diameter, PageField::Antenna2Diameter,
                                           PageField::Antenna1Gain, PageField::Antenna2Gain,
                                           PageField::Feeder1Loss, PageField::Feeder2Loss,
                                           PageField::Connector1Loss, PageField::Connector2Loss})) {
        return plain;
    }
    if (layout.frequencyGHz > kWaveguideOnlyAboveGHz) {
        if (auto plain = firstPlainInvalid(v, {PageField::Feeder1Length, PageField::Feeder2Length,
                                               PageField::BranchingLoss})) {
            return plain;
        }
    }
    if (layout.diversity == DiversityMode::Space) {
        if (auto plain =
                firstPlainInvalid(v, {PageField::DiversityDiameter, PageField::DiversityGain})) {
            return plain;
        }
    }
    // The diversity improvement divides by the channel spacing.
    if (layout.diversity == DiversityMode::Freq &&
        !(v[PageField::ChannelSpacing] >= kSmallestNonZero)) {
        PageRefusal refusal = box(PageField::ChannelSpacing, "Invalid value : Channel spacing.",
                                  "Error", MessageIcon::Warning, false);
        refusal.takesFocus = false;
        return refusal;
    }
    for (const PageField height : {PageField::Antenna1Height, PageField::Antenna2Height}) {
        if (!(v[height] >= kSmallestNonZero)) {
            PageRefusal refusal = box(height, "Invalid value : Antenna heights must be non zero.",
                                      "Error", MessageIcon::Warning, false);
            refusal.takesFocus = false;
            return refusal;
        }
    }
    return invalidList(v, formListedFields(layout));
}

std::optional<std::string_view> pageRefusal(const HopState& hop, Messages& messages) {
    const PageValues values = storedPageValues(hop);
    const HopRecord& record = hop.record;
    std::optional<PageRefusal> refusal = basicsRefusal(values);
    if (!refusal) {
        refusal = formRefusal(values,
                              {record.frequencyGHz, record.diversityMode, record.selectiveFading});
    }
    if (!refusal) {
        return std::nullopt;
    }
    if (refusal->beep) {
        messages.beep();
    }
    messages.show(refusal->message(), refusal->caption, refusal->icon);
    return recordFieldName(refusal->listed.empty() ? refusal->field
                                                   : refusal->listed.front().field);
}

} // namespace korvel
