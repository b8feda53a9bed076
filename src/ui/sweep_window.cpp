#include "ui/sweep_window.h"

#include <algorithm>
#include <cmath>

#include "engine/hop_record.h"
#include "engine/number_text.h"
#include "fields/numeric_text.h"
#include "series/sweep.h"
#include "ui/chart_contents.h"

namespace korvel {

namespace {

std::string shortNumber(double value) {
    return formatNumbers("%.6g", value);
}

// The input is one the Form page holds (the others are set on the Basics page or in the rain
// dialog).
bool onFormPage(SweepInput input) {
    return input == SweepInput::Diameter || input == SweepInput::Spacing ||
           input == SweepInput::ChannelSpacing;
}

} // namespace

SweepWindow::SweepWindow(const HopState& hop, SweepView& view, Messages& messages, TakeValue take)
    : hop_(hop), view_(view), messages_(messages), take_(std::move(take)) {
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
    onSweep(0, shortNumber(range.from), shortNumber(range.to), std::to_string(range.steps));
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
    view_.setRange(input, shortNumber(range.from), shortNumber(range.to),
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
    shown_ = inputs_[static_cast<std::size_t>(input)];
    if (const auto refusal = sweepRangeRefusal(shown_, range); !refusal.empty()) {
        messages_.show(refusal, kAppCaption, MessageIcon::Exclamation);
        return;
    }
    view_.showChart(sweepChart(sweepHop(hop_, shown_, range)));
}

void SweepWindow::onPointChosen(double value) {
    const std::string label(sweepInputLabel(shown_));
    const std::string amount = shortNumber(value) + " " + std::string(sweepInputUnit(shown_));
    if (!onFormPage(shown_)) {
        messages_.show(label + " " + amount + ": this value is changed on the " +
                           (shown_ == SweepInput::Length ? "Basics page." : "rain dialog."),
                       kAppCaption, MessageIcon::Information);
        return;
    }
    if (messages_.show("Take " + label + " " + amount + " into the Form page?", kAppCaption,
                       MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes) {
        take_(shown_, value);
    }
}

} // namespace korvel
