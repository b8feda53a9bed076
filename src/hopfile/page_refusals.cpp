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

constexpr std::string_view kHeightsNonZero = "Invalid value : Antenna heights must be non zero.";

// A Basics page value outside its range, refused at once.
constexpr PageRule basicsRule(std::string_view field, double HopRecord::*value, double lowest,
                              double highest, std::string_view text) {
    return {field, value, lowest, highest, text, "Error", MessageIcon::Exclamation};
}

// A Form page value below 0 in a field read as a plain number: "Invalid data.".
constexpr PageRule plainNumberRule(std::string_view field, double HopRecord::*value,
                                   Shown shown = Shown::Always) {
    return {field, value, 0, kUnbounded, "Invalid data.", kAppCaption, MessageIcon::Warning, shown};
}

// A value below 0 refused under "Error!" without an icon: the outage objective, and the Form
// page's fields that its list dialog names.
constexpr PageRule listedRule(std::string_view field, double HopRecord::*value,
                              std::string_view text, Shown shown = Shown::Always) {
    return {field, value, 0, kUnbounded, text, "Error!", MessageIcon::None, shown};
}

constexpr PageRule kChannelSpacingRule{"frequencyDifferenceGHz",
                                       &HopRecord::frequencyDifferenceGHz,
                                       kSmallestNonZero,
                                       kUnbounded,
                                       "Invalid value : Channel spacing.",
                                       "Error",
                                       MessageIcon::Warning,
                                       Shown::FreqDiversity};

// In the order the pages check them: Basics before Form; on the Form page the fields that fail
// at once before those its list dialog names.
constexpr std::array kRules{
    listedRule("outageObjectivePct", &HopRecord::outageObjectivePct,
               "Invalid data : outage objective."),
    basicsRule("hopLengthKm", &HopRecord::hopLengthKm, 0.1, kUnbounded,
               "Invalid value : Hop length."),
    basicsRule("longitudeDeg", &HopRecord::longitudeDeg, 0, 180, "Invalid value: Longitude"),
    basicsRule("latitudeDeg", &HopRecord::latitudeDeg, 0, 90, "Invalid value: Latitude"),
    basicsRule("pLPct", &HopRecord::pLPct, 0, 100, "Invalid value: pL"),
    basicsRule("station1HeightM", &HopRecord::station1HeightM, -kUnbounded, kUnbounded,
               "Invalid value: Station 1 height."),
    basicsRule("station2HeightM", &HopRecord::station2HeightM, -kUnbounded, kUnbounded,
               "Invalid value: Station 2 height."),
    plainNumberRule("antenna1DiameterM", &HopRecord::antenna1DiameterM),
    plainNumberRule("antenna2DiameterM", &HopRecord::antenna2DiameterM),
    plainNumberRule("antenna1GainDbi", &HopRecord::antenna1GainDbi),
    plainNumberRule("antenna2GainDbi", &HopRecord::antenna2GainDbi),
    plainNumberRule("feeder1LossDbPer100m", &HopRecord::feeder1LossDbPer100m),
    plainNumberRule("feeder2LossDbPer100m", &HopRecord::feeder2LossDbPer100m),
    plainNumberRule("connector1LossDb", &HopRecord::connector1LossDb),
    plainNumberRule("connector2LossDb", &HopRecord::connector2LossDb),
    plainNumberRule("diversityDiameterM", &HopRecord::diversityDiameterM, Shown::SpaceDiversity),
    plainNumberRule("diversityGainDbi", &HopRecord::diversityGainDbi, Shown::SpaceDiversity),
    kChannelSpacingRule,
    PageRule{"antenna1HeightM", &HopRecord::antenna1HeightM, kSmallestNonZero, kUnbounded,
             kHeightsNonZero, "Error", MessageIcon::Warning},
    PageRule{"antenna2HeightM", &HopRecord::antenna2HeightM, kSmallestNonZero, kUnbounded,
             kHeightsNonZero, "Error", MessageIcon::Warning},
    listedRule("feeder2LengthM", &HopRecord::feeder2LengthM, "Invalid data : Feeder2 length"),
    listedRule("feeder1LengthM", &HopRecord::feeder1LengthM, "Invalid data : Feeder1 length"),
    listedRule("antennaSpacingM", &HopRecord::antennaSpacingM,
               "Invalid data : Diversity ant. spacing", Shown::SpaceDiversity),
    listedRule("msmRefDb", &HopRecord::msmRefDb, "Invalid data : Sel. fading margin",
               Shown::SelectiveMargin),
    listedRule("thresholdDegradationDb", &HopRecord::thresholdDegradationDb,
               "Invalid data : Threshold degradation"),
    listedRule("addTerrainLossDb", &HopRecord::addTerrainLossDb,
               "Invalid data : Additional terrain loss"),
    listedRule("branchingLossDb", &HopRecord::branchingLossDb,
               "Invalid data : Antenna branching loss"),
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

// True when the hop passes the rule; else the rule's message has been shown.
bool passes(const PageRule& rule, const HopRecord& record, Messages& messages) {
    const double value = record.*rule.value;
    if (!isShown(rule.shown, record) || (value >= rule.lowest && value <= rule.highest)) {
        return true;
    }
    messages.show(rule.text, rule.caption, rule.icon);
    return false;
}

} // namespace

std::optional<std::string_view> pageRefusal(const HopRecord& record, Messages& messages) {
    for (const PageRule& rule : kRules) {
        if (!passes(rule, record, messages)) {
            return rule.field;
        }
    }
    return std::nullopt;
}

bool channelSpacingAccepted(const HopRecord& record, Messages& messages) {
    return passes(kChannelSpacingRule, record, messages);
}

} // namespace korvel
