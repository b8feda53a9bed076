#include "optimize/combination_search.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstddef>

#include "engine/fading.h"
#include "engine/link_budget.h"
#include "optimize/combination_outage.h"
#include "optimize/library_lookup.h"

namespace korvel {

namespace {

constexpr double kEqualFeederLengthM = 0.01;
constexpr double kObstructedGrazingAngleMrad = 0.2;
// From this frequency the two largest diameters of a table are not tried.
constexpr double kLargeDiametersExcludedFromGHz = 10.0;

struct FeederLosses {
    std::array<double, kMaxFeederTypes> lossDbPer100m{};
    int count = 0;
};

FeederLosses feederLosses(const EquipmentLibrary& library, int table, int row) {
    FeederLosses losses;
    losses.count = library.feederTypeCountOf(table);
    for (int type = 0; type < losses.count; ++type) {
        losses.lossDbPer100m[static_cast<std::size_t>(type)] =
            libraryFeederLoss(library, table, row, type).value_or(0.0);
    }
    return losses;
}

// Everything the loops read, fixed for one search.
struct SearchSetup {
    CombinationContext context;
    PriceTables prices;
    DiameterRange range;
    std::array<double, kMaxDiameters> gain{};
    FeederLosses losses;
    bool space = false;
    bool equalFeeders = false;
};

// The margins of one pair of main antennas by feeder pair, each worked out at its first use: every
// diversity antenna tried with the pair has the same.
class PairMargins {
  public:
    const CombinationMargin& of(const SearchSetup& setup, int k1, int k2, double gain1,
                                double gain2) {
        const auto pair = static_cast<std::size_t>(k1 * kMaxFeederTypes + k2);
        // Without space diversity each pair is tried once: nothing to keep.
        if (!setup.space || !known_[pair]) {
            margins_[pair] = combinationMargin(setup.context, gain1, gain2, lossOf(setup, k1),
                                               lossOf(setup, k2));
            known_.set(pair);
        }
        return margins_[pair];
    }
    void forget() { known_.reset(); }

  private:
    static double lossOf(const SearchSetup& setup, int k) {
        return setup.losses.lossDbPer100m[static_cast<std::size_t>(k)];
    }
    static constexpr std::size_t kPairs = kMaxFeederTypes * kMaxFeederTypes;
    std::array<CombinationMargin, kPairs> margins_; // read only where `known_` says so
    std::bitset<kPairs> known_;
};

// Tries the feeder pairs of one antenna triple. A miss ends the feeder 2 loop, and with equal
// feeders both feeder loops: the types are listed by rising loss, so a later one does no better.
void tryFeeders(const SearchSetup& setup, CombinationIndices indices, PairMargins& margins,
                CombinationLists& lists) {
    const HopRecord& record = setup.context.record;
    const auto gainAt = [&setup](int index) { return setup.gain[static_cast<std::size_t>(index)]; };
    const double gain1 = gainAt(indices.d1Index);
    const double gain2 = gainAt(indices.d2Index);
    const double diversityGain = gainAt(indices.ddIndex);
    const int count = setup.losses.count;
    for (int k1 = 0; k1 < count; ++k1) {
        for (int k2 = setup.equalFeeders ? k1 : 0; k2 < count; ++k2) {
            const CombinationOutage outage =
                combinationOutage(setup.context, margins.of(setup, k1, k2, gain1, gain2),
                                  std::max(gain1, gain2), diversityGain, record.antennaSpacingM);
            indices.feeder1Index = static_cast<std::int16_t>(k1);
            indices.feeder2Index = static_cast<std::int16_t>(k2);
            const bool meets = meetsObjective(outage.outagePct, record.outageObjectivePct);
            if (meets || lists.nearMissAdmits(outage.outagePct)) {
                const auto price = combinationPrice(record, setup.prices, indices);
                if (price) {
                    const CombinationEntry entry{indices, outage.spacingM, outage.outagePct,
                                                 *price};
                    if (meets) {
                        lists.offerMeeting(entry);
                    } else {
                        lists.insertNearMiss(entry);
                    }
                }
            }
            if (meets) {
                continue;
            }
            if (setup.equalFeeders) {
                return;
            }
            break;
        }
    }
}

void runLoops(const SearchSetup& setup, CombinationLists& lists) {
    const DiameterRange range = setup.range;
    PairMargins margins;
    for (int i1 = range.first; i1 < range.end; ++i1) {
        for (int i2 = i1; i2 < range.end; ++i2) {
            margins.forget();
            const int diversityEnd = setup.space ? i1 + 1 : range.first + 1;
            for (int id = range.first; id < diversityEnd; ++id) {
                CombinationIndices indices;
                indices.d1Index = static_cast<std::int16_t>(i1);
                indices.d2Index = static_cast<std::int16_t>(i2);
                indices.ddIndex = static_cast<std::int16_t>(id);
                tryFeeders(setup, indices, margins, lists);
            }
        }
    }
}

} // namespace

std::string_view searchStatusText(SearchStatus status) {
    switch (status) {
    case SearchStatus::OtherRadio:
        return "Optimization not possible when OTHER radio used.";
    case SearchStatus::NoFeederLosses:
        return "The library has no feeder losses for the frequency of this hop; optimization is "
               "not possible.";
    case SearchStatus::NoFeederTable:
        return "The feeder table of this hop is not in the library; optimization is not "
               "possible.";
    case SearchStatus::Done:
    case SearchStatus::Obstructed:
        break;
    }
    return {};
}

SearchStatus radioAllowsOptimization(const HopSelection& selection) {
    return selection.otherRadio ? SearchStatus::OtherRadio : SearchStatus::Done;
}

DiameterRange diameterSearchRange(AntennaType type, int diameterCount, double frequencyGHz) {
    if (frequencyGHz < kLargeDiametersExcludedFromGHz) {
        return {type == AntennaType::ParabSolid ? 1 : 0, diameterCount};
    }
    return {0, diameterCount - 2};
}

std::array<double, kMaxDiameters> searchGain(const EquipmentLibrary& library, AntennaType type,
                                             DiameterRange range, double frequencyGHz) {
    std::array<double, kMaxDiameters> gain{};
    for (int index = range.first; index < range.end; ++index) {
        const auto diameter = libraryDiameterM(library, type, index);
        gain[static_cast<std::size_t>(index)] =
            antennaGainDbi(diameter.value_or(0.0), frequencyGHz);
    }
    return gain;
}

bool feederLengthsEqual(double feeder1LengthM, double feeder2LengthM) {
    return std::fabs(feeder1LengthM - feeder2LengthM) < kEqualFeederLengthM;
}

SearchOutcome searchCombinations(const HopState& hop, const EquipmentLibrary& library) {
    SearchOutcome outcome;
    outcome.status = radioAllowsOptimization(hop.selection);
    if (outcome.status != SearchStatus::Done) {
        return outcome;
    }

    const HopRecord& record = hop.record;
    MathGuard guard;
    double grazingAngle = 0.0;
    if (record.method == Method::Method2) {
        grazingAngle = grazingAngleMrad(record, guard);
        if (grazingAngle <= kObstructedGrazingAngleMrad) {
            outcome.status = SearchStatus::Obstructed;
            outcome.mathMessages = guard.takeMessages();
            return outcome;
        }
    }

    const int table = hop.selection.feederTable;
    const int row = hop.selection.feederRow;
    if (row == -1) {
        outcome.status = SearchStatus::NoFeederLosses;
        return outcome;
    }
    if (!feederPositionValid(library, table, row)) {
        outcome.status = SearchStatus::NoFeederTable;
        return outcome;
    }

    const AntennaType type = record.antennaType;
    SearchSetup setup;
    setup.context = makeCombinationContext(hop, grazingAngle, guard);
    setup.prices = priceTables(library, type, table);
    setup.range = diameterSearchRange(type, library.diameterCountOf(type), record.frequencyGHz);
    setup.gain = searchGain(library, type, setup.range, record.frequencyGHz);
    setup.losses = feederLosses(library, table, row);
    setup.space = record.diversityMode == DiversityMode::Space;
    setup.equalFeeders = feederLengthsEqual(record.feeder1LengthM, record.feeder2LengthM);

    runLoops(setup, outcome.lists);
    outcome.mathMessages = guard.takeMessages();
    return outcome;
}

} // namespace korvel
