#include "platform/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvel {
namespace {

constexpr double kTargetTicks = 5.0;
constexpr int kLinearTicks = 5;

struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void take(double value, bool logarithmic) {
        if (std::isfinite(value) && (!logarithmic || value > 0.0)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    [[nodiscard]] bool empty() const { return !std::isfinite(low); }
};

// 1, 2 or 5 times a power of ten: the tick step nearest above `rough`.
double roundTickStep(double rough) {
    if (!(rough > 0.0) || !std::isfinite(rough)) {
        return 1.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough) {
            return multiple * power;
        }
    }
    return 10.0 * power;
}

// 1, 2, 5 or 10 times a power of ten near `value`: the nearest (rounded) or the next above.
double niceNumber(double value, bool above) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    const double q = value / power;
    if (above) {
        return (q <= 1.0 ? 1.0 : q <= 2.0 ? 2.0 : q <= 5.0 ? 5.0 : 10.0) * power;
    }
    return (q < 1.5 ? 1.0 : q < 3.0 ? 2.0 : q < 7.0 ? 5.0 : 10.0) * power;
}

// Widens [low, high] to whole steps of a round number, about kLinearTicks ticks over it.
void roundOut(AxisSpan& span, int& ticks) {
    const double range = niceNumber(span.high - span.low, true);
    const double step = niceNumber(range / (kLinearTicks - 1), false);
    const double first = std::floor(span.low / step);
    const double last = std::ceil(span.high / step);
    ticks = static_cast<int>(last - first) + 1;
    span = {first * step, last * step};
}

void takeContent(const ChartContent& content, Extent& x, Extent& y, Extent& right) {
    const bool logarithmic = content.logY;
    for (const ChartBar& bar : content.bars) {
        Extent& axis = bar.rightAxis ? right : y;
        axis.take(bar.low, logarithmic);
        axis.take(bar.high, logarithmic);
    }
    for (const ChartCurve& curve : content.curves) {
        for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i) {
            x.take(curve.x[i], false);
            (curve.rightAxis ? right : y).take(curve.y[i], logarithmic);
        }
    }
    for (const ChartMark& mark : content.marks) {
        (mark.vertical    ? x
         : mark.rightAxis ? right
                          : y)
            .take(mark.value, !mark.vertical && logarithmic);
    }
    for (const ChartArea& area : content.areas) {
        for (std::size_t i = 0; i < area.x.size() && i < area.low.size(); ++i) {
            y.take(area.low[i], logarithmic);
        }
    }
    for (const ChartLabel& label : content.labels) {
        (label.rightAxis ? right : y).take(label.y, logarithmic);
    }
    for (const ChartBand& band : content.bands) {
        x.take(band.from, false);
        x.take(band.to, false);
    }
}

AxisSpan ySpan(const ChartContent& content, Extent y, int& ticks) {
    if (y.empty()) {
        y = content.logY ? Extent{1e-6, 1.0} : Extent{0.0, 1.0};
    }
    if (std::isfinite(content.yCeiling)) {
        y.high = std::min(y.high, content.yCeiling);
        y.low = std::min(y.low, y.high / 10.0);
    }
    if (content.logY) {
        return {std::pow(10.0, std::floor(std::log10(y.low))),
                std::pow(10.0, std::ceil(std::log10(y.high) - 1e-9))};
    }
    const double pad = std::max((y.high - y.low) * 0.08, 1e-9);
    AxisSpan span{y.low >= 0.0 ? 0.0 : y.low - pad, y.high + pad};
    roundOut(span, ticks);
    return span;
}

} // namespace

ChartFrame chartFrame(const ChartContent& content) {
    Extent x;
    Extent y;
    Extent right;
    takeContent(content, x, y, right);
    ChartFrame frame;
    if (!content.categories.empty()) {
        frame.x = {-0.5, static_cast<double>(content.categories.size()) - 0.5};
    } else if (!x.empty()) {
        frame.x = {x.low, x.high};
    }
    frame.y = ySpan(content, y, frame.yTickCount);
    if (!content.rightYTitle.empty()) {
        frame.rightY = ySpan(content, right, frame.rightYTickCount);
    }
    // The plot ends where the data end (a 40 km path is not drawn to 50 km); the ticks fall on
    // round numbers inside it.
    frame.xTickStep = roundTickStep((frame.x.high - frame.x.low) / kTargetTicks);
    frame.xTickAnchor = std::floor(frame.x.low / frame.xTickStep) * frame.xTickStep;
    return frame;
}

} // namespace korvel
