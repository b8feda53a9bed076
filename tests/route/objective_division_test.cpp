#include <gtest/gtest.h>

#include "platform/recording_messages.h"
#include "route/calculation_checks.h"
#include "route/objective_division.h"
#include "route/route_reset.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

RouteState routeOf(int hopCount, double objectivePct, DivisionMethod method) {
    RouteState state;
    resetRoute(state, test::makeRouteTestLibrary(), "/tmp");
    state.record.hopCount = static_cast<std::int16_t>(hopCount);
    state.record.objective = objectivePct;
    state.record.divisionMethod = method;
    for (int i = 0; i < hopCount; ++i) {
        state.record.hopFile[static_cast<std::size_t>(i)].assign(std::string("H") +
                                                                 std::to_string(i) + ".HOP");
    }
    return state;
}

TEST(ObjectiveDivision, ByNumberDividesWithoutRounding) {
    RouteState state = routeOf(3, 0.01, DivisionMethod::Number);
    applyDivision(state);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(state.slots[static_cast<std::size_t>(i)].objective, 0.01 / 3);
    }
    EXPECT_EQ(state.slots[3].objective, 0.0);
    RecordingMessages messages;
    EXPECT_TRUE(checkHopsBeforeCalculation(state, messages));
    EXPECT_TRUE(messages.events().empty());
}

TEST(ObjectiveDivision, ByLengthFollowsHopLengths) {
    RouteState state = routeOf(3, 0.006, DivisionMethod::Length);
    state.slots[0].lengthKm = 10;
    state.slots[1].lengthKm = 20;
    state.slots[2].lengthKm = 30;
    applyDivision(state);
    EXPECT_DOUBLE_EQ(state.slots[0].objective, 0.001);
    EXPECT_DOUBLE_EQ(state.slots[1].objective, 0.002);
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.003);
}

TEST(ObjectiveDivision, ByLengthWithoutLengthsKeepsObjectives) {
    RouteState state = routeOf(2, 0.01, DivisionMethod::Length);
    state.slots[0].objective = 0.004;
    state.slots[1].objective = 0.007;
    applyDivision(state);
    EXPECT_EQ(state.slots[0].objective, 0.004);
    EXPECT_EQ(state.slots[1].objective, 0.007);
}

TEST(ObjectiveDivision, ManualKeepsTypedObjectives) {
    RouteState state = routeOf(2, 0.01, DivisionMethod::Manual);
    state.slots[0].objective = 0.004;
    applyDivision(state);
    EXPECT_EQ(state.slots[0].objective, 0.004);
    EXPECT_EQ(state.slots[1].objective, 0.0);
}

TEST(ObjectiveDivision, InvalidHopCountTouchesNoSlot) {
    for (const int count : {21, -1}) {
        RouteState state = routeOf(0, 0.01, DivisionMethod::Number);
        state.record.hopCount = static_cast<std::int16_t>(count);
        applyDivision(state);
        for (const RouteHopSlot& slot : state.slots) {
            EXPECT_EQ(slot.objective, 0.0) << count;
        }
    }
}

struct SumCase {
    const char* name;
    double offsetPct;
    bool asks;
};

class SumTolerance : public testing::TestWithParam<SumCase> {};

TEST_P(SumTolerance, AsksOnlyBeyondOneE10) {
    RouteState state = routeOf(2, 0.01, DivisionMethod::Manual);
    state.slots[0].objective = 0.004;
    state.slots[1].objective = 0.006 + GetParam().offsetPct;
    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(checkHopsBeforeCalculation(state, messages), !GetParam().asks);
    if (GetParam().asks) {
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, "Sum of hop objectives differs from route objective");
        EXPECT_EQ(messages.boxes()[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(messages.beepCount(), 1u);
    } else {
        EXPECT_TRUE(messages.events().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, SumTolerance,
                         testing::Values(SumCase{"Equal", 0, false},
                                         SumCase{"JustInside", 0.9e-10, false},
                                         SumCase{"JustOutside", 1.1e-10, true},
                                         SumCase{"Below", -2e-10, true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CalculationChecks, UndefinedObjectivesAskedOnce) {
    RouteState state = routeOf(4, 0.01, DivisionMethod::Manual);
    state.slots[0].objective = 0.01;
    RecordingMessages messages;
    EXPECT_TRUE(checkHopsBeforeCalculation(state, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "All hop objectives not defined.");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes()[0].buttons, MessageButtons::OkCancel);
}

TEST(CalculationChecks, CancelOnUndefinedObjectivesStops) {
    RouteState state = routeOf(2, 0.0, DivisionMethod::Manual);
    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(checkHopsBeforeCalculation(state, messages));
    EXPECT_EQ(messages.boxes().size(), 1u);
}

TEST(CalculationChecks, EmptyHopFileNameStops) {
    RouteState state = routeOf(2, 0.01, DivisionMethod::Number);
    applyDivision(state);
    state.record.hopFile[1].clear();
    RecordingMessages messages;
    EXPECT_FALSE(checkHopsBeforeCalculation(state, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid hop filename.");
}

TEST(CalculationChecks, HopCountAboveTwentyRefused) {
    RouteState state = routeOf(20, 0.01, DivisionMethod::Number);
    state.record.hopCount = 21;
    RecordingMessages messages;
    EXPECT_FALSE(checkHopsBeforeCalculation(state, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid number of hops.");
}

TEST(RouteReset, DefaultsTakeTheFirstRadio) {
    RouteState state;
    state.record.hopCount = 5;
    state.currentHop = 3;
    resetRoute(state, test::makeRouteTestLibrary(), "/srv/routes");
    const RouteRecord& r = state.record;
    EXPECT_EQ(r.hopCount, 0);
    EXPECT_EQ(state.currentHop, 0);
    EXPECT_EQ(r.divisionMethod, DivisionMethod::Number);
    EXPECT_EQ(r.radioName.view(), "RADIO A");
    EXPECT_EQ(r.ptxChoice, 1009);
    EXPECT_EQ(r.prxthChoice, 1019);
    EXPECT_EQ(r.berExponent, -6); // threshold column 2
    EXPECT_EQ(r.directory.view(), "/srv/routes");
    EXPECT_EQ(state.folder, "/srv/routes");
    for (int i = 0; i < kMaxRouteHops; ++i) {
        EXPECT_EQ(r.hopRain[static_cast<std::size_t>(i)], -1.0);
        EXPECT_EQ(state.slots[static_cast<std::size_t>(i)].rainUnavail, -1.0);
    }
    EXPECT_TRUE(state.overwriteRadioData);
    EXPECT_TRUE(state.overwriteBasicData);
}

} // namespace
} // namespace korvel
