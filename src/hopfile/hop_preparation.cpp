#include "hopfile/hop_preparation.h"

#include "engine/fading.h"
#include "hopfile/hop_file.h"
#include "library/new_hop.h"

namespace korvel {

void commitFeederPosition(HopState& hop, const EquipmentLibrary& library) {
    const FeederPosition position =
        findFeederRow(library, hop.record.frequencyGHz, hop.record.feederInsulation);
    hop.selection.feederTable = position.table;
    hop.selection.feederRow = position.row;
    if (hop.record.frequencyGHz > 3 && position.table < library.feederTableCount()) {
        const auto typeCount = library.feederTypeCount[static_cast<std::size_t>(position.table)];
        for (const auto index : hop.selection.feederIndex) {
            if (index < 0 || index >= typeCount) {
                hop.selection.feederIndex = {0, 0};
                break;
            }
        }
    }
}

void prepareSelectiveMargin(HopState& hop) {
    switch (hop.record.selectiveFading) {
    case SelectiveFading::Standard:
        hop.results.Msm = hopSelectiveMargin(hop.record.msmRefDb, hop.record.hopLengthKm);
        break;
    case SelectiveFading::User:
    case SelectiveFading::No:
        break;
    }
}

bool loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                           Messages& messages, HopState& hop) {
    resetHopState(hop, library);
    if (!readHopFile(hop, library, file, messages)) {
        return false;
    }
    hop.selection.otherRadio = library.isOtherRadio(hop.selection.radioIndex);
    commitFeederPosition(hop, library);
    prepareSelectiveMargin(hop);
    return true;
}

} // namespace korvel
