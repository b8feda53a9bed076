// The Form page's commands: Calculate (and Enter), RainCalc and Optimize, and what the page and
// the results window show after a calculation.
#include "engine/link_budget.h"
#include "engine/selective_margin.h"
#include "fields/format_fixed.h"
#include "fields/page_field_text.h"
#include "hopfile/rain_dialog_rules.h"
#include "optimize/combination_search.h"
#include "series/budget_steps.h"
#include "series/sweep_methods.h"
#include "ui/chart_contents.h"
#include "ui/chart_title_block.h"
#include "ui/form_page.h"
#include "ui/hop_charts.h"
#include "ui/methods_outage.h"
#include "ui/methods_table.h"
#include "ui/rain_dialog.h"
#include "ui/results_basis.h"
#include "ui/results_disabled.h"
#include "ui/results_shown.h"
#include "ui/selection_dialog.h"
#include "ui/session.h"

namespace korvel {

namespace {

void showGuardMessages(Messages& messages, const std::vector<GuardMessage>& guarded) {
    for (const GuardMessage& message : guarded) {
        messages.show(message.text, message.caption, MessageIcon::Warning);
    }
}

} // namespace

void FormPage::onMenuCommand(Command command) {
    switch (command) {
    case Command::LeavePage:
        leave();
        return;
    case Command::Profile:
        openProfile();
        return;
    case Command::BudgetChart:
    case Command::OutageChart:
        openChart(command);
        return;
    case Command::Sites: // the hop may have taken the sites' values
        refreshFreshness();
        refreshCharts();
        return;
    default:
        return;
    }
}

// The page's windows close with it; a page refused stays, and so do they.
void FormPage::leave() {
    if (!validateFormPage(Purpose::Storing)) {
        session_.app.pageAccepted = false;
        return;
    }
    if (session_.resultsWindow != nullptr) {
        session_.resultsWindow->close();
    }
    if (sweep_) {
        sweep_->close();
    }
    if (profile_) {
        profile_->close();
    }
}

void FormPage::calculate() {
    if (validateFormPage()) {
        showCalculation(calculateHop(session_.hop));
    }
}

bool FormPage::showCalculation(const CalculationOutcome& outcome) {
    Messages& messages = session_.ports.messages;
    ResultsWindow* results = session_.resultsWindow;
    showGuardMessages(messages, outcome.mathMessages);
    // A result that is not a number is neither shown nor kept for a save.
    const bool finite = resultsAreFinite(session_.hop.results);
    clearNonFiniteResults(session_.hop.results);
    view_->setText(kFeeder1TotalLabel, formatFixed(session_.hop.results.Lc1, 1));
    view_->setText(kFeeder2TotalLabel, formatFixed(session_.hop.results.Lc2, 1));
    if (producedResults(outcome.status) && !finite) {
        messages.show(kNotFiniteResultText, kAppCaption, MessageIcon::Warning);
        if (results != nullptr) {
            results->close();
        }
        return false;
    }
    if (!producedResults(outcome.status)) {
        messages.show(statusText(outcome.status), kAppCaption, MessageIcon::Warning);
        if (results != nullptr) {
            results->close();
        }
        return false;
    }
    noteResultsCalculated(session_.resultsBasis, session_.hop);
    if (results != nullptr) {
        results->show();
    }
    if (outcome.status != CalcStatus::Ok) {
        const PageDisabled disabled(view_);
        messages.show(statusText(outcome.status), kAppCaption, MessageIcon::Warning);
    }
    showResults();
    return true;
}

void FormPage::showResults() {
    freshness_ = resultsFreshness(session_.resultsBasis, session_.hop);
    showHopResults(session_.resultsDisplay(), freshness_);
    // The status bar, and Print now that the hop has results.
    session_.refreshMenu();
    refreshCharts();
}

HopState FormPage::hopAsItStands() const {
    HopState hop = session_.hop;
    const PageValues values = heldValues();
    readInto(hop.record, values);
    storeSelectiveMargin(hop.record, hop.results, values[PageField::SelectiveMargin]);
    return hop;
}

void FormPage::refreshFreshness() {
    const ResultsFreshness freshness = resultsFreshness(session_.resultsBasis, hopAsItStands());
    if (session_.resultsWindow != nullptr && session_.resultsWindow->isOpen()) {
        showHopResults(session_.resultsDisplay(), freshness);
    }
    if (freshness != freshness_) {
        freshness_ = freshness;
        refreshCharts();
    }
}

void FormPage::rainCalc() {
    if (!validateFormPage() || !showCalculation(calculateHop(session_.hop)) ||
        !rainDialogOffered(session_.hop.record, session_.ports.messages)) {
        return;
    }
    {
        const PageDisabled disabled(view_);
        const ResultsDisabled resultsDisabled(session_.resultsWindow);
        runRainDialog({session_.hop, session_.sites.availabilityObjectivePct, session_.fields,
                       session_.ports.dialogs, session_.ports.messages});
    }
    showResults();   // the rain unavailability's line under the verdict
    refreshCharts(); // the rain parts of an open outage chart
}

void FormPage::optimize() {
    Messages& messages = session_.ports.messages;
    if (const SearchStatus radio = radioAllowsOptimization(session_.hop.selection);
        radio != SearchStatus::Done) {
        messages.show(searchStatusText(radio), kAppCaption, MessageIcon::Information);
        return;
    }
    if (!validateFormPage()) {
        return;
    }
    const SearchOutcome search = searchCombinations(session_.hop, session_.library);
    showGuardMessages(messages, search.mathMessages);
    if (search.status != SearchStatus::Done && search.status != SearchStatus::Obstructed) {
        messages.show(searchStatusText(search.status), kAppCaption, MessageIcon::Information);
        return;
    }
    // An obstructed path is not searched; the recalculation below reports it.
    if (search.status == SearchStatus::Done) {
        const PageDisabled disabled(view_);
        if (runSelectionDialog(session_.ports.dialogs, session_.hop, session_.library,
                               search.lists) == 0) {
            return;
        }
    }
    showEquipment();
    validateFormPage();
    showCalculation(calculateHop(session_.hop));
}

} // namespace korvel

namespace korvel {

void FormPage::openSweep() {
    if (session_.sweepView == nullptr || !validateFormPage()) {
        return;
    }
    if (!sweep_) {
        sweep_ = std::make_unique<SweepWindow>(
            session_.hop, session_.sites.availabilityObjectivePct, session_.library,
            *session_.sweepView, session_.ports.messages,
            [this](SweepInput input, double value) { return takeSweepValue(input, value); },
            [this](const HopState& hop, SweepInput input, std::span<const double> values) {
                return sweepMethods(hop, input, values, &session_.sites,
                                    hopClimateInputs(session_.methodSources()));
            });
        sweep_->titleBlock = [this](const ChartContent& chart) {
            return hopTitleBlock(session_.titleBlockSources(), chart);
        };
    }
    sweep_->open();
}

bool FormPage::takeSweepValue(SweepInput input, double value) {
    const auto type = [this](PageField field, double typed) {
        view_->setText(kFormControls.of(field), pageFieldText(field, typed));
    };
    const auto takeDiameter = [&](PageField diameter, PageField gain) {
        type(diameter, value);
        type(gain, antennaGainDbi(value, session_.hop.record.frequencyGHz));
    };
    switch (input) {
    case SweepInput::Diameter:
        takeDiameter(PageField::Antenna1Diameter, PageField::Antenna1Gain);
        takeDiameter(PageField::Antenna2Diameter, PageField::Antenna2Gain);
        break;
    case SweepInput::Antenna1Diameter:
        takeDiameter(PageField::Antenna1Diameter, PageField::Antenna1Gain);
        break;
    case SweepInput::Antenna2Diameter:
        takeDiameter(PageField::Antenna2Diameter, PageField::Antenna2Gain);
        break;
    case SweepInput::Spacing:
        type(PageField::AntennaSpacing, value);
        break;
    case SweepInput::ChannelSpacing:
        type(PageField::ChannelSpacing, value);
        break;
    case SweepInput::Length:
    case SweepInput::RainRate:
        return false;
    }
    const bool taken = validateFormPage();
    refreshFreshness();
    return taken;
}

} // namespace korvel

namespace korvel {

void FormPage::openChart(Command chart) {
    if (session_.charts == nullptr || !validateFormPage()) {
        return;
    }
    if (chart == Command::BudgetChart) {
        session_.charts->showChart(withTitleBlock(budgetChart(linkBudgetSteps(session_.hop)),
                                                  session_.titleBlockSources()));
        return;
    }
    HopState calculated = session_.hop;
    const CalcStatus status = calculateHop(calculated).status;
    if (!producedResults(status) || !resultsAreFinite(calculated.results)) {
        session_.ports.messages.show(producedResults(status)
                                         ? "The calculation gave a result that is not a number."
                                         : statusText(status),
                                     kAppCaption, MessageIcon::Warning);
        return;
    }
    session_.charts->showChart(withTitleBlock(
        withMethodTotals(outageChart(calculated, session_.sites.availabilityObjectivePct),
                         hopMethodColumns(calculated, session_.methodSources())),
        session_.titleBlockSources()));
}

void FormPage::refreshCharts() {
    refreshHopCharts(session_.hopCharts(), freshness_);
    if (sweep_) {
        sweep_->refresh(freshness_ == ResultsFreshness::Stale);
    }
    if (profile_) {
        profile_->refresh();
    }
}

} // namespace korvel
