#pragma once
// The Sweep window's presenter: it offers the inputs the hop can vary, fills the default range
// of the one chosen, checks the range typed, draws the sweep of the hop as the Form page last
// stored it (a diameter through the library's diameters) with a curve per prediction method, and
// offers the point clicked, with its outage and verdict, to the page.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "itu/method_result.h"
#include "library/equipment_library.h"
#include "platform/chart_view.h"
#include "platform/messages.h"
#include "series/sweep.h"
#include "series/sweep_input.h"

namespace korvel {

class SweepWindow final : public SweepEvents {
  public:
    // Takes a value into the page through the page's own checks; false when the page refused it
    // (and said why).
    using TakeValue = std::function<bool(SweepInput input, double value)>;

    // The method columns of the hop with the input at each value (none: classic curves only).
    using MethodsAlong = std::function<std::vector<std::array<itu::MethodResult, 3>>(
        const HopState& hop, SweepInput input, std::span<const double> values)>;

    // `availabilityObjectivePct`: the hop's, as the planner sets it (none: rain is not judged).
    SweepWindow(const HopState& hop, const std::optional<double>& availabilityObjectivePct,
                const EquipmentLibrary& library, SweepView& view, Messages& messages,
                TakeValue take, MethodsAlong methods = {});

    // Opens the window with the first input and its default range drawn.
    void open();
    void close();

    void onSweep(int input, const std::string& from, const std::string& to,
                 const std::string& steps) override;
    void onInputChanged(int input) override;
    void onPointChosen(double value) override;

    // Follows the hop's results: over results out of date the chart's frame without values, else
    // the last sweep drawn again over the hop as it now is.
    void refresh(bool stale);

    // What heads the chart's export; none: its title alone.
    std::function<ChartTitleBlock(const ChartContent&)> titleBlock;

  private:
    // The points of the range: the library's diameters in it for a diameter, else evenly spaced.
    // Empty, said why, when the library has no diameter there.
    std::optional<Sweep> sweepOf(SweepInput input, const SweepRange& range);
    // The chart of the sweep shown, with its method curves and title block.
    ChartContent chartOfShown() const;

    const HopState& hop_;
    const std::optional<double>& availabilityObjectivePct_;
    const EquipmentLibrary& library_;
    SweepView& view_;
    Messages& messages_;
    TakeValue take_;
    MethodsAlong methods_;
    std::vector<SweepInput> inputs_; // those the hop can vary, in the window's order
    Sweep shown_;                    // the sweep drawn last
    SweepRange shownRange_;          // its range as asked
};

} // namespace korvel
