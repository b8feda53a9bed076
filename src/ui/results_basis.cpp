#include "ui/results_basis.h"

#include "engine/hop_verdict.h"
#include "engine/selective_margin.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "route/route_hop_status.h"
#include "ui/results_shown.h"
#include "ui/session.h"

namespace korvel {

std::vector<std::uint8_t> resultsInputs(const HopState& hop) {
    // The margin as a calculation derives it, so that a hop read and the same hop calculated
    // compare alike.
    HopState inputs = hop;
    prepareSelectiveMargin(inputs);
    inputs.results = withoutResults(inputs.results);
    return hopFileImage(inputs);
}

void noteResultsCalculated(Session& session) {
    session.resultsBasis = {resultsInputs(session.hop), false};
}

void noteResultsOpened(Session& session, const std::filesystem::path& file) {
    const bool current = hopFileResultsState(file, session.library) == StoredResultsState::Current;
    session.resultsBasis = {current ? resultsInputs(session.hop) : std::vector<std::uint8_t>{},
                            true, hasResults(session.hop.results)};
}

ResultsFreshness resultsFreshness(const Session& session, const HopState& asItStands) {
    if (!hasResults(asItStands.results)) {
        return ResultsFreshness::None;
    }
    if (session.resultsBasis.inputs.empty() ||
        resultsInputs(asItStands) != session.resultsBasis.inputs) {
        return ResultsFreshness::Stale;
    }
    return session.resultsBasis.stored ? ResultsFreshness::Stored : ResultsFreshness::Current;
}

void bringResultsUpToDate(Session& session) {
    HopState& hop = session.hop;
    const ResultsFreshness freshness = resultsFreshness(session, hop);
    if (freshness == ResultsFreshness::Current || freshness == ResultsFreshness::Stored) {
        return;
    }
    // Calculate's messages are for Calculate: here nothing is shown.
    if (refreshResults(hop, session.library)) {
        noteResultsCalculated(session);
    } else if (freshness == ResultsFreshness::Stale && session.resultsWindow != nullptr) {
        session.resultsWindow->close(); // gone, as when Calculate stops
    }
    showHopResults(session, resultsFreshness(session, hop));
}

} // namespace korvel
