#pragma once
// Where a chart's axes begin and end and where their ticks fall, worked out from its content
// alone, so every drawing of a chart (on screen, exported, in a test) frames it alike.

#include "platform/chart_view.h"

namespace korvel {

struct AxisSpan {
    double low = 0.0;
    double high = 1.0;
};

struct ChartFrame {
    AxisSpan x; // categories sit at 0, 1, ... with half a step beside the first and the last
    AxisSpan y; // logarithmic: whole decades; linear: round numbers, zero kept for data >= 0
    // A value x axis: ticks every xTickStep from xTickAnchor (1, 2 or 5 times a power of ten).
    double xTickAnchor = 0.0;
    double xTickStep = 1.0;
    // A linear y axis: ticks evenly from y.low to y.high, both ends included.
    int yTickCount = 5;
    AxisSpan rightY; // the second y axis, framed alike (when the content has one)
    int rightYTickCount = 5;
};

[[nodiscard]] ChartFrame chartFrame(const ChartContent& content);

} // namespace korvel
