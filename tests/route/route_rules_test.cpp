#include <gtest/gtest.h>

#include <cmath>

#include "route/calculation_checks.h"
#include "route/hop_dialog.h"
#include "route/objective_division.h"
#include "route/route_plan.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

// A route of three hops "H1.HOP" to "H3.HOP".
class RouteRules : public test::RouteTest {
  protected:
    RouteRules() {
        state.record.hopCount = 3;
        state.record.objective = 0.01;
        for (std::size_t i = 0; i < 3; ++i) {
            state.record.hopFile[i].assign("H" + std::to_string(i + 1) + ".HOP");
        }
    }
    void setSlots(std::array<double, 3> lengthsKm, std::array<double, 3> objectives) {
        for (std::size_t i = 0; i < 3; ++i) {
            state.slots[i].lengthKm = lengthsKm[i];
            state.slots[i].objective = objectives[i];
        }
    }
    bool check(MessageAnswer answer = MessageAnswer::Ok) {
        messages.clear();
        messages.scriptAnswer(answer);
        return checkHopsBeforeCalculation(state, messages);
    }
    HopDialogTexts typed(std::string fileName = "LINK 1", std::string objective = "0.002") {
        return {std::move(fileName), "NORTH", "SOUTH", std::move(objective), "12.5"};
    }
};

TEST_F(RouteRules, DivisionByNumberLengthOrManual) {
    const double third = 0.01 / 3;
    const struct {
        DivisionMethod method;
        int hopCount;
        std::array<double, 3> lengthsKm, typed, expected;
    } cases[] = {
        {DivisionMethod::Number, 3, {5, 5, 90}, {}, {third, third, third}},
        {DivisionMethod::Length, 3, {10, 20, 30}, {}, {0.01 / 6, 0.01 / 3, 0.005}},
        {DivisionMethod::Length, 3, {}, {0.004, 0.007, 0}, {0.004, 0.007, 0}}, // lengths all 0
        {DivisionMethod::Manual, 3, {10, 20, 30}, {0.004, 0, 0}, {0.004, 0, 0}},
        {DivisionMethod::Number, 21, {}, {}, {}}, // no table is touched
        {DivisionMethod::Number, -1, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method) * 100 + c.hopCount);
        state.record.divisionMethod = c.method;
        state.record.hopCount = static_cast<std::int16_t>(c.hopCount);
        setSlots(c.lengthsKm, c.typed);
        applyDivision(state);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_DOUBLE_EQ(state.slots[i].objective, i < 3 ? c.expected[i] : 0.0) << i;
        }
    }
}

TEST_F(RouteRules, SumOfObjectivesIsAskedAboutOnlyBeyondOneE10) {
    const double third = 0.01 / 3; // three of them make 0.01 within the tolerance
    for (const double offsetPct : {0.0, 0.9e-10, 1.1e-10, -2e-10}) {
        SCOPED_TRACE(offsetPct);
        const bool asks = std::abs(offsetPct) > 1e-10;
        setSlots({}, {third, third, third + offsetPct});
        EXPECT_EQ(check(MessageAnswer::Cancel), !asks);
        EXPECT_EQ(messages.boxes().size(), asks ? 1u : 0u);
        if (asks) {
            EXPECT_EQ(messages.boxes()[0].text,
                      "Sum of hop objectives differs from route objective");
        }
    }
}

TEST_F(RouteRules, CalculationChecksAskOnceOrStop) {
    state.record.hopCount = 4;
    state.record.hopFile[3].assign("H4.HOP");
    setSlots({}, {0.01, 0, 0});
    EXPECT_TRUE(check()); // three undefined objectives, one question
    expectBox("All hop objectives not defined.");
    EXPECT_FALSE(check(MessageAnswer::Cancel));
    expectBox("All hop objectives not defined.");
    state.record.hopFile[1].clear();
    EXPECT_FALSE(check());
    expectBox("Invalid hop filename.");
    state.record.hopCount = 21;
    EXPECT_FALSE(check());
    expectBox("Invalid number of hops.");
}

TEST_F(RouteRules, HopDialogStoresMovesAndWrapsAround) {
    const auto shown = [](const HopDialogOutcome& o) {
        return std::tuple(o.accepted, o.content.title, o.content.fileName, o.content.station1,
                          o.content.objective, o.content.lengthKm);
    };
    state.record.divisionMethod = DivisionMethod::Manual;
    state.currentHop = 2;
    EXPECT_EQ(shown(hopDialogNext(state, typed(), messages)),
              std::tuple(true, "Hop # 1", "H1.HOP", "", "0.0000", "0.0"));
    EXPECT_EQ(state.record.hopFile[2].view(), "LINK 1.HOP");
    EXPECT_EQ(test::slotValues(state.slots[2]),
              std::tuple("NORTH", "SOUTH", 12.5, 0.002, 0.0, -1.0));
    EXPECT_EQ(shown(hopDialogPrevious(state, typed("H1"), messages)),
              std::tuple(true, "Hop # 3", "LINK 1.HOP", "NORTH", "0.0020", "12.5"));
    EXPECT_TRUE(messages.events().empty());
    // Division by number replaces what was typed.
    state.record.divisionMethod = DivisionMethod::Number;
    state.record.objective = 0.009;
    ASSERT_TRUE(hopDialogRouteScreen(state, typed("X", "0.0001"), messages).accepted);
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.003);
    // "File" reads the named hop into the slot, or keeps the slot when it cannot.
    test::writeBytes(dir / "EXIST.HOP",
                     hopFileImage(test::makeHop({"", "EAST", "WEST", 7.5, 0.001, 0.0004})));
    state.record.divisionMethod = DivisionMethod::Manual;
    state.currentHop = 0;
    EXPECT_EQ(shown(hopDialogFile(state, "EXIST", messages)),
              std::tuple(true, "Hop # 1", "EXIST.HOP", "EAST", "0.0010", "7.5"));
    EXPECT_EQ(shown(hopDialogFile(state, "MISSING.HOP", messages)),
              std::tuple(true, "Hop # 1", "MISSING.HOP", "EAST", "0.0010", "7.5"));
    expectBox("MISSING.HOP not found.");
    state.record.hopCount = 1;
    EXPECT_EQ(hopDialogNext(state, typed(), messages).content.title, "Hop # 1");
    EXPECT_EQ(hopDialogPrevious(state, typed(), messages).content.title, "Hop # 1");
}

TEST_F(RouteRules, HopDialogRefusesBadFieldsAndKeepsTheHop) {
    const struct {
        HopDialogTexts texts;
        HopDialogControl focus;
        const char* caption;
    } cases[] = {{{"A", "", "", "-1", "1"}, HopDialogControl::Objective, "Korvel"},
                 {{"A", "", "", "1", "12km"}, HopDialogControl::LengthKm, "Korvel"},
                 {{"", "", "", "1", "1"}, HopDialogControl::FileName, "Error"},
                 {{"C:\\LINK", "", "", "1", "1"}, HopDialogControl::FileName, "Error"}};
    state.currentHop = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts.fileName + "/" + c.texts.objective + "/" + c.texts.lengthKm);
        const HopDialogOutcome outcome = hopDialogNext(state, c.texts, messages);
        EXPECT_EQ(std::tuple(outcome.accepted, outcome.focus, state.currentHop),
                  std::tuple(false, c.focus, 1));
        EXPECT_EQ(state.record.hopFile[1].view(), "H2.HOP");
        EXPECT_EQ(expectBox("Invalid data.").caption, c.caption);
    }
}

TEST_F(RouteRules, PlanBecomesARouteOrIsRefused) {
    const RoutePlan plan{
        dir,
        "COAST",
        "Coast line",
        "RADIO B",
        0.01,
        DivisionMethod::Length,
        {{"H1", "A", "B", 10, 0}, {"H2", "B", "C", 30, 0}, {"H3.X", "C", "D", 60, 0}}};
    ASSERT_TRUE(routeFromPlan(state, library, plan, messages));
    const RouteRecord& r = state.record;
    EXPECT_EQ(std::tuple(r.fileName.view(), r.hopFile[0].view(), r.hopFile[2].view(), r.radioIndex),
              std::tuple("COAST.ROU", "H1.HOP", "H3.X", 1));
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.006);

    state.record.info.assign("kept");
    const auto refused = [&](void (*change)(RoutePlan&), const std::string& text) {
        RoutePlan bad = plan;
        change(bad);
        EXPECT_FALSE(routeFromPlan(state, library, bad, messages)) << text;
        expectBox(text);
        EXPECT_EQ(state.record.info.view(), "kept");
    };
    refused([](RoutePlan& p) { p.hops.resize(21, p.hops[0]); }, "Invalid number of hops.");
    refused([](RoutePlan& p) { p.hops.clear(); }, "Invalid number of hops.");
    refused([](RoutePlan& p) { p.folder /= "missing"; }, "Invalid route directory");
    refused([](RoutePlan& p) { p.fileName = "..\\UP"; }, "Invalid data.");
    refused([](RoutePlan& p) { p.hops[1].lengthKm = -1; }, "Invalid data.");
    refused([](RoutePlan& p) { p.hops[1].fileName = "sub:H"; }, "Invalid hop filename.");
    refused([](RoutePlan& p) { p.radioName = "RADIO Z"; },
            "Cannot load the routefile :\nthe radio used in the routefile ( RADIO Z )\n"
            " is not supported by the current Korvel library.");
}

} // namespace
} // namespace korvel
