#pragma once
// The Sweep window's presenter: it offers the inputs the hop can vary, fills the default range
// of the one chosen, checks the range typed, draws the sweep of the hop as the Form page last
// stored it, and offers a clicked value to the page.

#include <functional>
#include <string>
#include <vector>

#include "platform/chart_view.h"
#include "platform/messages.h"
#include "series/sweep_input.h"

namespace korvel {

struct HopState;

class SweepWindow final : public SweepEvents {
  public:
    // Takes a value into the page through the page's own checks; false when the page refused it
    // (and said why).
    using TakeValue = std::function<bool(SweepInput input, double value)>;

    SweepWindow(const HopState& hop, SweepView& view, Messages& messages, TakeValue take);

    // Opens the window with the first input and its default range drawn.
    void open();
    void close();

    void onSweep(int input, const std::string& from, const std::string& to,
                 const std::string& steps) override;
    void onInputChanged(int input) override;
    void onPointChosen(double value) override;

  private:
    const HopState& hop_;
    SweepView& view_;
    Messages& messages_;
    TakeValue take_;
    std::vector<SweepInput> inputs_; // those the hop can vary, in the window's order
    SweepInput shown_ = SweepInput::Diameter;
};

} // namespace korvel
