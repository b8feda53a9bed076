#include "ui/results_basis.h"

#include "engine/hop_verdict.h"
#include "engine/selective_margin.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "route/route_hop_status.h"

namespace korvel {

std::vector<std::uint8_t> resultsInputs(const HopState& hop) {
    // The margin as a calculation derives it, so that a hop read and the same hop calculated
    // compare alike.
    HopState inputs = hop;
    prepareSelectiveMargin(inputs);
    inputs.results = withoutResults(inputs.results);
    return hopFileImage(inputs);
}

void noteResultsCalculated(ResultsBasis& basis, const HopState& hop) {
    basis = {resultsInputs(hop), false};
}

void noteResultsOpened(ResultsBasis& basis, const HopState& hop, const EquipmentLibrary& library,
                       const std::filesystem::path& file) {
    const bool current = hopFileResultsState(file, library) == StoredResultsState::Current;
    basis = {current ? resultsInputs(hop) : std::vector<std::uint8_t>{}, true,
             hasResults(hop.results)};
}

ResultsFreshness resultsFreshness(const ResultsBasis& basis, const HopState& asItStands) {
    if (!hasResults(asItStands.results)) {
        return ResultsFreshness::None;
    }
    if (basis.inputs.empty() || resultsInputs(asItStands) != basis.inputs) {
        return ResultsFreshness::Stale;
    }
    return basis.stored ? ResultsFreshness::Stored : ResultsFreshness::Current;
}

} // namespace korvel
