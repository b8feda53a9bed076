#include "hopfile/page_refusals.h"

#include <array>
#include <limits>

namespace korvel {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();
constexpr double kSmallestNonZero = 0.00001;

// Which hops a rule applies to: the Form page shows some fields only in some modes.
enum class Shown { Always, SpaceDiversity, FreqDiversity, SelectiveMargin };

struct PageRule {
    std::string_view field; // record field name
    double HopRecord::*value;
    double lowest;
    double highest;
    std::string_view text;
    std::string_view caption;
    MessageIcon icon;
    Shown shown = Shown::Always;
};

constexpr std::string_view kInvalidData = "Invalid data.";
constexpr std::string_view kHeightsNonZero = "Invalid value : Antenna heights must be non zero.";

// In the order the pages check them: Basics before Form; on the Form page the fields that fail
// at once before those its list dialog names.
constexpr std::array kRules{
    PageRule{"outageObjectivePct", &HopRecord::outageObjectivePct, 0, kUnbounded,
             "Invalid data : outage objective.", "Error!", MessageIcon::None},
    PageRule{"hopLengthKm", &HopRecord::hopLengthKm, 0.1, kUnbounded, "Invalid value : Hop length.",
             "Error", MessageIcon::Exclamation},
    PageRule{"longitudeDeg", &HopRecord::longitudeDeg, 0, 180, "Invalid value: Longitude", "Error",
             MessageIcon::Exclamation},
    PageRule{"latitudeDeg", &HopRecord::latitudeDeg, 0, 90, "Invalid value: Latitude", "Error",
             MessageIcon::Exclamation},
    PageRule{"pLPct", &HopRecord::pLPct, 0, 100, "Invalid value: pL", "Error",
             MessageIcon::Exclamation},
    PageRule{"station1HeightM", &HopRecord::station1HeightM, -kUnbounded, kUnbounded,
             "Invalid value: Station 1 height.", "Error", MessageIcon::Exclamation},
    PageRule{"station2HeightM", &HopRecord::station2HeightM, -kUnbounded, kUnbounded,
             "Invalid value: Station 2 height.", "Error", MessageIcon::Exclamation},
    PageRule{"antenna1DiameterM", &HopRecord::antenna1DiameterM, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"antenna2DiameterM", &HopRecord::antenna2DiameterM, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"antenna1GainDbi", &HopRecord::antenna1GainDbi, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"antenna2GainDbi", &HopRecord::antenna2GainDbi, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"feeder1LossDbPer100m", &HopRecord::feeder1LossDbPer100m, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"feeder2LossDbPer100m", &HopRecord::feeder2LossDbPer100m, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"connector1LossDb", &HopRecord::connector1LossDb, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"connector2LossDb", &HopRecord::connector2LossDb, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning},
    PageRule{"diversityDiameterM", &HopRecord::diversityDiameterM, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning, Shown::SpaceDiversity},
    PageRule{"diversityGainDbi", &HopRecord::diversityGainDbi, 0, kUnbounded, kInvalidData,
             kAppCaption, MessageIcon::Warning, Shown::SpaceDiversity},
    PageRule{"frequencyDifferenceGHz", &HopRecord::frequencyDifferenceGHz, kSmallestNonZero,
             kUnbounded, "Invalid value : Channel spacing.", "Error", MessageIcon::Warning,
             Shown::FreqDiversity},
    PageRule{"antenna1HeightM", &HopRecord::antenna1HeightM, kSmallestNonZero, kUnbounded,
             kHeightsNonZero, "Error", MessageIcon::Warning},
    PageRule{"antenna2HeightM", &HopRecord::antenna2HeightM, kSmallestNonZero, kUnbounded,
             kHeightsNonZero, "Error", MessageIcon::Warning},
    PageRule{"feeder2LengthM", &HopRecord::feeder2LengthM, 0, kUnbounded,
             "Invalid data : Feeder2 length", "Error!", MessageIcon::None},
    PageRule{"feeder1LengthM", &HopRecord::feeder1LengthM, 0, kUnbounded,
             "Invalid data : Feeder1 length", "Error!", MessageIcon::None},
    PageRule{"antennaSpacingM", &HopRecord::antennaSpacingM, 0, kUnbounded,
             "Invalid data : Diversity ant. spacing", "Error!", MessageIcon::None,
             Shown::SpaceDiversity},
    PageRule{"msmRefDb", &HopRecord::msmRefDb, 0, kUnbounded, "Invalid data : Sel. fading margin",
             "Error!", MessageIcon::None, Shown::SelectiveMargin},
    PageRule{"thresholdDegradationDb", &HopRecord::thresholdDegradationDb, 0, kUnbounded,
             "Invalid data : Threshold degradation", "Error!", MessageIcon::None},
    PageRule{"addTerrainLossDb", &HopRecord::addTerrainLossDb, 0, kUnbounded,
             "Invalid data : Additional terrain loss", "Error!", MessageIcon::None},
    PageRule{"branchingLossDb", &HopRecord::branchingLossDb, 0, kUnbounded,
             "Invalid data : Antenna branching loss", "Error!", MessageIcon::None},
};

bool isShown(Shown shown, const HopRecord& record) {
    switch (shown) {
    case Shown::SpaceDiversity:
        return record.diversityMode == DiversityMode::Space;
    case Shown::FreqDiversity:
        return record.diversityMode == DiversityMode::Freq;
    case Shown::SelectiveMargin:
        return record.selectiveFading == SelectiveFading::Standard;
    case Shown::Always:
        break;
    }
    return true;
}

} // namespace

std::optional<std::string_view> pageRefusal(const HopRecord& record, Messages& messages) {
    for (const PageRule& rule : kRules) {
        const double value = record.*rule.value;
        if (!isShown(rule.shown, record) || (value >= rule.lowest && value <= rule.highest)) {
            continue;
        }
        messages.show(rule.text, rule.caption, rule.icon);
        return rule.field;
    }
    return std::nullopt;
}

} // namespace korvel
