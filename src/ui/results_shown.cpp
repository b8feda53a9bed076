#include "ui/results_shown.h"

#include "engine/rain.h"
#include "engine/results_panel.h"
#include "engine/verdict_words.h"
#include "geo/hop_sites.h"
#include "hopfile/hop_preparation.h"
#include "platform/results_window.h"
#include "ui/results_basis.h"
#include "ui/results_lines.h"

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

void showHopResults(const ResultsDisplay& shown, ResultsFreshness freshness) {
    ResultsWindow* window = shown.window;
    if (window == nullptr || !window->isOpen()) {
        return;
    }
    const HopState& hop = shown.hop;
    const ResultsPanelText text = resultsPanelText(hop);
    window->setLines(resultsLines(text.upper),
                     text.lower ? resultsLines(*text.lower) : std::vector<std::string>{},
                     text.lower.has_value());
    window->setFreshness(freshness);
    if (freshness != ResultsFreshness::Current && freshness != ResultsFreshness::Stored) {
        window->setVerdict(VerdictMark::None, {});
        window->setAvailability(VerdictMark::None, {});
        if (shown.methodsView != nullptr) {
            shown.methodsView->clear();
        }
        return;
    }
    const std::optional<double> availability = shown.methods.sites.availabilityObjectivePct;
    const OutageJudgement multipath = judgeHopAndShowMethods(hop, shown.methods, shown.methodsView);
    window->setVerdict(verdictMark(multipath.verdict), resultsLines(judgementLine(multipath)));
    if (hop.record.frequencyGHz < kRainMinimumFrequencyGHz) {
        window->setAvailability(VerdictMark::None, {});
        return;
    }
    const OutageJudgement rain = rainJudgement(hop, availability);
    window->setAvailability(verdictMark(rain.verdict), resultsLines(judgementLine(rain)));
}

void showResultsFreshness(const ResultsDisplay& shown, const HopState& asItStands) {
    const ResultsWindow* window = shown.window;
    if (window == nullptr || !window->isOpen()) {
        return;
    }
    showHopResults(shown, resultsFreshness(shown.basis, asItStands));
}

void showResultsWithPage(const ResultsDisplay& shown, bool wereOpen) {
    ResultsWindow* window = shown.window;
    const bool opened = shown.basis.showOnNextPage;
    shown.basis.showOnNextPage = false;
    if (window == nullptr || !(opened || wereOpen) || !hasResults(shown.hop.results)) {
        return;
    }
    window->show();
    showHopResults(shown, resultsFreshness(shown.basis, shown.hop));
}

void refreshMethodsAndVerdict(const ResultsDisplay& shown) {
    if (shown.window == nullptr || !shown.window->isOpen() || !hasResults(shown.hop.results)) {
        return;
    }
    showHopResults(shown, resultsFreshness(shown.basis, shown.hop));
}

void bringResultsUpToDate(HopState& hop, const EquipmentLibrary& library,
                          const ResultsDisplay& shown) {
    const ResultsFreshness freshness = resultsFreshness(shown.basis, hop);
    if (freshness == ResultsFreshness::Current || freshness == ResultsFreshness::Stored) {
        return;
    }
    // Calculate's messages are for Calculate: here nothing is shown.
    if (refreshResults(hop, library)) {
        noteResultsCalculated(shown.basis, hop);
    } else if (freshness == ResultsFreshness::Stale && shown.window != nullptr) {
        shown.window->close(); // gone, as when Calculate stops
    }
    showHopResults(shown, resultsFreshness(shown.basis, hop));
}

} // namespace korvel
