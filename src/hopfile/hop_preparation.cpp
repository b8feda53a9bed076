#include "hopfile/hop_preparation.h"

#include <algorithm>

#include "engine/selective_margin.h"
#include "hopfile/hop_file.h"
#include "library/new_hop.h"

namespace korvel {

void commitFeederPosition(HopState& hop, const EquipmentLibrary& library) {
    const FeederPosition position =
        findFeederRow(library, hop.record.frequencyGHz, hop.record.feederInsulation);
    hop.selection.feederTable = position.table;
    hop.selection.feederRow = position.row;
    const int typeCount = library.feederTypeCountOf(position.table);
    const auto pastTheTypes = [typeCount](std::int16_t index) { return index >= typeCount; };
    if (hop.record.frequencyGHz > kCoaxLimitGHz &&
        std::any_of(hop.selection.feederIndex.begin(), hop.selection.feederIndex.end(),
                    pastTheTypes)) {
        hop.selection.feederIndex = {0, 0};
    }
}

HopLoad loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                              Messages& messages, HopState& hop) {
    resetHopState(hop, library);
    if (!readHopFile(hop, library, file, messages)) {
        return {HopLoadStatus::Unusable};
    }
    hop.selection.otherRadio = library.isOtherRadio(hop.selection.radioIndex);
    if (const auto field = pageRefusal(hop, messages)) {
        return {HopLoadStatus::Refused, *field};
    }
    commitFeederPosition(hop, library);
    prepareSelectiveMargin(hop);
    return {};
}

} // namespace korvel
