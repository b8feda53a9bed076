#include "hopfile/hop_preparation.h"

#include <algorithm>

#include "engine/calculate_hop.h"
#include "engine/selective_margin.h"
#include "hopfile/hop_file.h"
#include "library/new_hop.h"
#include "platform/silent_messages.h"

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

namespace {

// After the read: what the pages refuse, then the Basics page's commit and the Form page's margin.
HopLoad prepareForCalculation(const EquipmentLibrary& library, Messages& messages, HopState& hop) {
    hop.selection.otherRadio = library.isOtherRadio(hop.selection.radioIndex);
    if (const auto field = pageRefusal(hop, messages)) {
        return {HopLoadStatus::Refused, *field};
    }
    commitFeederPosition(hop, library);
    prepareSelectiveMargin(hop);
    return {};
}

} // namespace

HopLoad loadHopForCalculation(const std::filesystem::path& file, const EquipmentLibrary& library,
                              Messages& messages, HopState& hop) {
    resetHopState(hop, library);
    if (!readHopFile(hop, library, file, messages)) {
        return {HopLoadStatus::Unusable};
    }
    return prepareForCalculation(library, messages, hop);
}

HopLoad loadHopForCalculation(std::span<const std::uint8_t> image, std::string_view shownName,
                              const EquipmentLibrary& library, Messages& messages, HopState& hop) {
    resetHopState(hop, library);
    if (!readHopImage(hop, library, image, shownName, messages)) {
        return {HopLoadStatus::Unusable};
    }
    return prepareForCalculation(library, messages, hop);
}

HopLoad loadHopForCalculation(const StoredHop& stored, std::string_view shownName,
                              const EquipmentLibrary& library, Messages& messages, HopState& hop) {
    resetHopState(hop, library);
    if (!loadStoredHop(hop, library, stored, shownName, messages)) {
        return {HopLoadStatus::Unusable};
    }
    return prepareForCalculation(library, messages, hop);
}

HopResults withoutResults(const HopResults& results) {
    HopResults cleared;
    cleared.Msm = results.Msm;
    return cleared;
}

bool refreshResults(HopState& hop, const EquipmentLibrary& library) {
    SilentMessages silent;
    HopState calculated = hop;
    bool done = !pageRefusal(calculated, silent);
    if (done) {
        commitFeederPosition(calculated, library);
        prepareSelectiveMargin(calculated);
        done = producedResults(calculateHop(calculated).status) &&
               resultsAreFinite(calculated.results);
    }
    hop.results = done ? calculated.results : withoutResults(hop.results);
    return done;
}

} // namespace korvel
