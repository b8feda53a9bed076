#include "ui/sweep_window.h"

#include <algorithm>
#include <cmath>

#include "engine/hop_record.h"
#include "engine/hop_verdict.h"
#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "fields/numeric_text.h"
#include "series/sweep_diameters.h"
#include "ui/chart_contents.h"
#include "ui/sweep_method_curves.h"

namespace korvel {

namespace {

std::string sixFigures(double value) {
    return formatNumbers("%.6g", value);
}

// The input is one the Form page holds (the others are set on the Basics page or in the rain
// dialog).
bool onFormPage(SweepInput input) {
    return isDiameterInput(input) || input == SweepInput::Spacing ||
           input == SweepInput::ChannelSpacing;
}

// What the hop gives at a point, in the words of the results: its outage and verdict, or why the
// calculation stops there.
std::string pointWords(const Sweep& sweep, const SweepPoint& point,
                       std::optional<double> availabilityObjectivePct) {
    if (point.outcome != PointOutcome::Results) {
        const std::string reason = stopReason(point);
        return "There the calculation stops: " + reason + (reason.ends_with('.') ? "" : ".");
    }
    OutageJudgement judgement;
    judgement.outagePct = point.outagePct;
    judgement.objectivePct = sweep.objectivePct;
    judgement.verdict = verdictOf(point.outagePct, sweep.objectivePct);
    std::string words = "There: " + judgementLine(judgement) + ".";
    if (sweep.hasRain && availabilityObjectivePct) {
        words += "\n" +
                 judgementLine(rainJudgement(point.rain.annualPct, availabilityObjectivePct)) + ".";
    }
    return words;
}

} // namespace

SweepWindow::SweepWindow(const HopState& hop, const std::optional<double>& availabilityObjectivePct,
                         const EquipmentLibrary& library, SweepView& view, Messages& messages,
                         TakeValue take, MethodsAlong methods)
    : hop_(hop), availabilityObjectivePct_(availabilityObjectivePct), library_(library),
      view_(view), messages_(messages), take_(std::move(take)), methods_(std::move(methods)) {
    for (const SweepInput input : kSweepInputs) {
        if (sweepInputRefusal(hop.record, input).empty()) {
            inputs_.push_back(input);
        }
    }
}

void SweepWindow::open() {
    std::vector<std::string> labels;
    for (const SweepInput input : inputs_) {
        labels.push_back(std::string(sweepInputLabel(input)) + " (" +
                         std::string(sweepInputUnit(input)) + ")");
    }
    view_.open(labels, *this);
    onInputChanged(0);
    const SweepRange range = defaultSweepRange(hop_.record, inputs_.front());
    onSweep(0, sixFigures(range.from), sixFigures(range.to), std::to_string(range.steps));
}

void SweepWindow::close() {
    view_.close();
}

void SweepWindow::onInputChanged(int input) {
    if (input < 0 || input >= static_cast<int>(inputs_.size())) {
        return;
    }
    const SweepRange range =
        defaultSweepRange(hop_.record, inputs_[static_cast<std::size_t>(input)]);
    view_.setRange(input, sixFigures(range.from), sixFigures(range.to),
                   std::to_string(range.steps));
}

void SweepWindow::onSweep(int input, const std::string& from, const std::string& to,
                          const std::string& steps) {
    if (input < 0 || input >= static_cast<int>(inputs_.size())) {
        return;
    }
    for (const auto& [text, name] : {std::pair{&from, "From"}, {&to, "To"}, {&steps, "Steps"}}) {
        if (text->empty() || !isNumericText(*text)) {
            messages_.show(std::string("Invalid data : ") + name, "Error!",
                           MessageIcon::Exclamation);
            return;
        }
    }
    const double stepsValue = numericTextValue(steps);
    SweepRange range{numericTextValue(from), numericTextValue(to),
                     static_cast<int>(std::clamp(stepsValue, -1.0, 100000.0))};
    if (stepsValue != std::floor(stepsValue)) {
        range.steps = -1; // refused below with the steps' message
    }
    const SweepInput chosen = inputs_[static_cast<std::size_t>(input)];
    if (const auto refusal = sweepRangeRefusal(chosen, range); !refusal.empty()) {
        messages_.show(refusal, kAppCaption, MessageIcon::Exclamation);
        return;
    }
    if (std::optional<Sweep> sweep = sweepOf(chosen, range)) {
        shown_ = std::move(*sweep);
        shownRange_ = range;
        view_.showChart(chartOfShown());
    }
}

ChartContent SweepWindow::chartOfShown() const {
    ChartContent chart = sweepChart(shown_, availabilityObjectivePct_);
    if (methods_) {
        std::vector<double> values;
        for (const SweepPoint& point : shown_.points) {
            values.push_back(point.value);
        }
        chart = withSweepMethodCurves(std::move(chart), shown_.input,
                                      methods_(hop_, shown_.input, values));
    }
    if (titleBlock) {
        chart.titleBlock = titleBlock(chart);
    }
    return chart;
}

void SweepWindow::refresh(bool stale) {
    if (!view_.isOpen() || shown_.points.empty()) {
        return;
    }
    if (stale) {
        view_.showChart(outOfDateChart(chartOfShown()));
        return;
    }
    if (std::optional<Sweep> sweep = sweepOf(shown_.input, shownRange_)) {
        shown_ = std::move(*sweep);
        view_.showChart(chartOfShown());
    }
}

std::optional<Sweep> SweepWindow::sweepOf(SweepInput input, const SweepRange& range) {
    const AntennaType type = hop_.record.antennaType;
    if (!isDiameterInput(input) || !libraryHasDiameters(library_, type)) {
        return sweepHop(hop_, input, range);
    }
    const std::vector<double> diameters = libraryDiameters(library_, type, range);
    if (diameters.empty()) {
        messages_.show("The library offers no antenna diameter from " + sixFigures(range.from) +
                           " to " + sixFigures(range.to) + " m.",
                       kAppCaption, MessageIcon::Exclamation);
        return std::nullopt;
    }
    return sweepHop(hop_, input, diameters);
}

void SweepWindow::onPointChosen(double clicked) {
    const SweepPoint* point = nearestPoint(shown_, clicked);
    if (point == nullptr) {
        return;
    }
    const SweepInput input = shown_.input;
    const std::string label(sweepInputLabel(input));
    const std::string amount = sixFigures(point->value) + " " + std::string(sweepInputUnit(input));
    const std::string there = pointWords(shown_, *point, availabilityObjectivePct_);
    if (!onFormPage(input)) {
        messages_.show(label + " " + amount + ": this value is changed on the " +
                           (input == SweepInput::Length ? "Basics page." : "rain dialog.") + "\n" +
                           there,
                       kAppCaption, MessageIcon::Information);
        return;
    }
    if (messages_.show("Take " + label + " " + amount + " into the Form page?\n" + there,
                       kAppCaption, MessageIcon::Question,
                       MessageButtons::YesNo) == MessageAnswer::Yes) {
        take_(input, point->value);
    }
}

} // namespace korvel
