#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/chart_frame.h"

namespace korvel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FrameCase {
    const char* name;
    ChartContent content;
    ChartFrame expected;
};

ChartContent levelBars() {
    ChartContent content;
    content.categories = {"Tx", "Path", "Rx"};
    content.bars = {{0, 0.0, -40.0, ChartRole::Level, ""}, {2, -97.0, -60.0, ChartRole::Level, ""}};
    return content;
}

ChartContent outageDecades() {
    ChartContent content;
    content.logY = true;
    content.yCeiling = 100.0;
    content.curves = {{"", ChartRole::Total, {0.0, 25.0, 50.0}, {3e-4, 0.0, 250.0}}};
    return content;
}

ChartContent profileWithMark() {
    ChartContent content;
    content.curves = {{"", ChartRole::Terrain, {2.5, 20.0, 43.7}, {120.0, kNaN, 180.0}}};
    content.marks = {{"", ChartRole::Current, true, 45.0, kNaN, kNaN}};
    return content;
}

// Multipath on the left, the annual rain on its own axis: neither frames the other.
ChartContent twoAxes() {
    ChartContent content;
    content.logY = true;
    content.rightYTitle = "Rain (% of a year)";
    content.categories = {"Total", "Rain"};
    content.bars = {{0, 1e-3, 5e-3, ChartRole::Total, "", false},
                    {1, 1e-4, 0.02, ChartRole::Rain, "", true}};
    return content;
}

TEST(ChartFrame, BoundsPaddingDecadesTicksAndCeiling) {
    const FrameCase cases[] = {
        // Levels below zero: padded by 8 %, rounded out to steps of 50 dB.
        {"bars over categories",
         levelBars(),
         {{-0.5, 2.5}, {-150.0, 50.0}, -1.0, 1.0, 5, {0.0, 1.0}, 5}},
        // The ceiling cuts 250 % to 100 %; zero has no place on decades and is left out.
        {"decades under a ceiling",
         outageDecades(),
         {{0.0, 50.0}, {1e-4, 100.0}, 0.0, 10.0, 5, {0.0, 1.0}, 5}},
        // A vertical mark widens x; a missing point widens nothing; data above zero keep zero.
        {"profile and a mark",
         profileWithMark(),
         {{2.5, 45.0}, {0.0, 200.0}, 0.0, 10.0, 5, {0.0, 1.0}, 5}},
        {"nothing to show", ChartContent{}, {{0.0, 1.0}, {0.0, 1.5}, 0.0, 0.2, 4, {0.0, 1.0}, 5}},
        {"a second axis", twoAxes(), {{-0.5, 1.5}, {1e-3, 1e-2}, -0.5, 0.5, 5, {1e-4, 0.1}, 5}},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartFrame frame = chartFrame(c.content);
        EXPECT_DOUBLE_EQ(frame.x.low, c.expected.x.low);
        EXPECT_DOUBLE_EQ(frame.x.high, c.expected.x.high);
        EXPECT_DOUBLE_EQ(frame.y.low, c.expected.y.low);
        EXPECT_DOUBLE_EQ(frame.y.high, c.expected.y.high);
        EXPECT_DOUBLE_EQ(frame.xTickAnchor, c.expected.xTickAnchor);
        EXPECT_DOUBLE_EQ(frame.xTickStep, c.expected.xTickStep);
        EXPECT_EQ(frame.yTickCount, c.expected.yTickCount);
        EXPECT_DOUBLE_EQ(frame.rightY.low, c.expected.rightY.low);
        EXPECT_DOUBLE_EQ(frame.rightY.high, c.expected.rightY.high);
    }
}

} // namespace
} // namespace korvel
