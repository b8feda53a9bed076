#include "ui/results_shown.h"

#include "engine/rain.h"
#include "engine/results_panel.h"
#include "engine/verdict_words.h"
#include "platform/results_window.h"
#include "ui/methods_table.h"
#include "ui/results_basis.h"
#include "ui/results_lines.h"
#include "ui/session.h"

namespace korvel {

VerdictMark verdictMark(ObjectiveVerdict verdict) {
    switch (verdict) {
    case ObjectiveVerdict::Met:
        return VerdictMark::Met;
    case ObjectiveVerdict::Missed:
        return VerdictMark::Missed;
    case ObjectiveVerdict::None:
        break;
    }
    return VerdictMark::None;
}

void showHopResults(Session& session, ResultsFreshness freshness) {
    ResultsWindow* window = session.resultsWindow;
    if (window == nullptr || !window->isOpen()) {
        return;
    }
    const HopState& hop = session.hop;
    const ResultsPanelText text = resultsPanelText(hop);
    window->setLines(resultsLines(text.upper),
                     text.lower ? resultsLines(*text.lower) : std::vector<std::string>{},
                     text.lower.has_value());
    window->setFreshness(freshness);
    if (freshness != ResultsFreshness::Current && freshness != ResultsFreshness::Stored) {
        window->setVerdict(VerdictMark::None, {});
        window->setAvailability(VerdictMark::None, {});
        if (session.methodsView != nullptr) {
            session.methodsView->clear();
        }
        return;
    }
    const std::optional<double> availability = session.sites.availabilityObjectivePct;
    const OutageJudgement multipath = judgeHopAndShowMethods(session);
    window->setVerdict(verdictMark(multipath.verdict), resultsLines(judgementLine(multipath)));
    if (hop.record.frequencyGHz < kRainMinimumFrequencyGHz) {
        window->setAvailability(VerdictMark::None, {});
        return;
    }
    const OutageJudgement rain = rainJudgement(hop, availability);
    window->setAvailability(verdictMark(rain.verdict), resultsLines(judgementLine(rain)));
}

void showResultsFreshness(Session& session, const HopState& asItStands) {
    const ResultsWindow* window = session.resultsWindow;
    if (window == nullptr || !window->isOpen()) {
        return;
    }
    showHopResults(session, resultsFreshness(session, asItStands));
}

void showResultsWithPage(Session& session, bool wereOpen) {
    ResultsWindow* window = session.resultsWindow;
    const bool opened = session.resultsBasis.showOnNextPage;
    session.resultsBasis.showOnNextPage = false;
    if (window == nullptr || !(opened || wereOpen) || !hasResults(session.hop.results)) {
        return;
    }
    window->show();
    showHopResults(session, resultsFreshness(session, session.hop));
}

} // namespace korvel
