#include "optimize/library_values.h"

#include <cstddef>

#include "engine/link_budget.h"
#include "optimize/library_lookup.h"

namespace korvel {

namespace {

void takeAntenna(HopState& hop, const EquipmentLibrary& library, int antenna, double& diameterM,
                 double& gainDbi) {
    const auto at = static_cast<std::size_t>(antenna);
    const auto libraryDiameter =
        libraryDiameterM(library, hop.record.antennaType, hop.selection.antennaIndex[at]);
    if (!libraryDiameter) {
        return;
    }
    if (hop.selection.userDiameter[at] == 0) {
        diameterM = *libraryDiameter;
    }
    if (hop.selection.userGain[at] == 0) {
        gainDbi = antennaGainDbi(*libraryDiameter, hop.record.frequencyGHz);
    }
}

void takeFeeder(HopState& hop, const EquipmentLibrary& library, int feeder, double& lossDbPer100m) {
    const auto at = static_cast<std::size_t>(feeder);
    if (hop.selection.userFeederLoss[at] != 0) {
        return;
    }
    const auto loss = libraryFeederLoss(library, hop.selection.feederTable, hop.selection.feederRow,
                                        hop.selection.feederIndex[at]);
    if (loss) {
        lossDbPer100m = *loss;
    }
}

} // namespace

void takeLibraryValues(HopState& hop, const EquipmentLibrary& library) {
    HopRecord& record = hop.record;
    takeAntenna(hop, library, kAntenna1, record.antenna1DiameterM, record.antenna1GainDbi);
    takeAntenna(hop, library, kAntenna2, record.antenna2DiameterM, record.antenna2GainDbi);
    if (record.diversityMode == DiversityMode::Space) {
        takeAntenna(hop, library, kDiversityAntenna, record.diversityDiameterM,
                    record.diversityGainDbi);
    }
    takeFeeder(hop, library, 0, record.feeder1LossDbPer100m);
    takeFeeder(hop, library, 1, record.feeder2LossDbPer100m);
}

} // namespace korvel
