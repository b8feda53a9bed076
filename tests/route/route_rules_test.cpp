#include <gtest/gtest.h>

#include <cmath>

#include "fields/format_fixed.h"
#include "route/calculation_checks.h"
#include "route/hop_dialog.h"
#include "route/hop_slot_reader.h"
#include "route/objective_division.h"
#include "route/route_hop_files.h"
#include "route/route_open.h"
#include "route/route_plan.h"
#include "route/route_screen.h"
#include "route/route_summary.h"
#include "route/route_test_support.h"
#include "support/test_hop.h"

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
    test::writeFile(dir / "EXIST.HOP",
                    hopFileImage(test::makeHop({"", "EAST", "WEST", 7.5, 0.001, 0.0004})));
    state.record.divisionMethod = DivisionMethod::Manual;
    state.currentHop = 0;
    EXPECT_EQ(shown(hopDialogFile(state, "EXIST", messages)),
              std::tuple(true, "Hop # 1", "EXIST.HOP", "EAST", "0.0010", "7.5"));
    EXPECT_EQ(shown(hopDialogFile(state, "MISSING.HOP", messages)),
              std::tuple(true, "Hop # 1", "MISSING.HOP", "EAST", "0.0010", "7.5"));
    expectBox("MISSING.HOP not found.");
    // Refused fields keep the hop and take the focus.
    const struct {
        HopDialogTexts texts;
        HopDialogControl focus;
        const char* caption;
    } cases[] = {{{"A", "", "", "-1", "1"}, HopDialogControl::Objective, "Korvel"},
                 {{"A", "", "", "1", "12km"}, HopDialogControl::LengthKm, "Korvel"},
                 {{"", "", "", "1", "1"}, HopDialogControl::FileName, "Error"},
                 {{"C:\\LINK", "", "", "1", "1"}, HopDialogControl::FileName, "Error"}};
    for (const auto& c : cases) {
        const HopDialogOutcome outcome = hopDialogNext(state, c.texts, messages);
        EXPECT_EQ(std::tuple(outcome.accepted, outcome.focus, state.currentHop),
                  std::tuple(false, c.focus, 0));
        EXPECT_EQ(state.record.hopFile[0].view(), "MISSING.HOP");
        EXPECT_EQ(expectBox("Invalid data.").caption, c.caption);
    }
    state.record.hopCount = 1;
    EXPECT_EQ(hopDialogNext(state, typed(), messages).content.title, "Hop # 1");
    EXPECT_EQ(hopDialogPrevious(state, typed(), messages).content.title, "Hop # 1");
}

TEST_F(RouteRules, PlanBecomesARouteOrIsRefused) {
    RoutePlan plan{dir, "COAST", "Coast line", "RADIO B", 0.01, DivisionMethod::Length, {}};
    plan.hops = {{"H1", "A", "B", 10, 0}, {"H2", "B", "C", 30, 0}, {"H3.X", "C", "D", 60, 0}};
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
    refused([](RoutePlan& p) { p.hops[1].lengthKm = -1; }, "Invalid data.");
    refused([](RoutePlan& p) { p.hops[1].fileName = "sub:H"; }, "Invalid hop filename.");
    // Mended: "." named the route's folder, and two hops naming one file shared it.
    refused([](RoutePlan& p) { p.hops[1].fileName = "."; }, "Invalid hop filename.");
    refused([](RoutePlan& p) { p.hops[1].fileName = p.hops[0].fileName; }, "Invalid hop filename.");
    refused([](RoutePlan& p) { p.radioName = "RADIO Z"; },
            "Cannot load the routefile :\nthe radio used in the routefile ( RADIO Z )\n"
            " is not supported by the current Korvel library.");
}

using test::makeHop;
using test::slotValues;
using RouteScreen = test::RouteTest;

TEST_F(RouteScreen, HopCalcStoresTheRouteOrRefusesAField) {
    const auto accept = [&](std::string hopCount, std::string fileName) {
        RouteScreenTexts texts{"", dir.string(), std::move(fileName), "0.006", std::move(hopCount)};
        texts.radioSelection = 1;
        texts.hopLineCount = 5;
        texts.selectedHopLine = 4;
        return acceptRouteScreen(state, library, texts, RouteScreenAction::HopCalc, messages);
    };
    ASSERT_TRUE(accept("3", "route1").accepted);
    const RouteRecord& r = state.record;
    EXPECT_EQ(std::tuple(r.fileName.view(), r.radioName.view(), r.radioIndex, state.currentHop),
              std::tuple("route1.ROU", "RADIO B", 1, 2)); // the selected line, within the count
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.002);
    ASSERT_TRUE(accept("20", "route1.x").accepted);
    EXPECT_EQ(std::tuple(r.fileName.view(), r.hopCount), std::tuple("route1.x", 20));

    const struct {
        const char *hopCount, *fileName, *text;
        RouteScreenControl focus;
    } refused[] = {{"0", "r", "Invalid number of hops.", RouteScreenControl::HopCount},
                   {"21", "r", "Invalid number of hops.", RouteScreenControl::HopCount},
                   {"99999999", "r", "Invalid number of hops.", RouteScreenControl::HopCount},
                   {"2.5", "r", "Invalid data.", RouteScreenControl::HopCount},
                   {"2", "c:route", "Invalid data.", RouteScreenControl::FileName},
                   {"2", "", "Invalid data.", RouteScreenControl::FileName}};
    for (const auto& c : refused) {
        SCOPED_TRACE(std::string(c.hopCount) + " " + c.fileName);
        const RouteScreenOutcome outcome = accept(c.hopCount, c.fileName);
        EXPECT_EQ(std::tuple(outcome.accepted, outcome.focus, r.hopCount),
                  std::tuple(false, c.focus, 20));
        expectBox(c.text);
    }
}

TEST_F(RouteScreen, ListLinesShortenLongFileNamesAndKeepStationsWhole) {
    state.record.hopFile[0].assign("LONGHOPNAME1.HOP");
    state.slots[0] = {{}, {}, 0.002, 12.34, 0.00125, -1};
    state.slots[0].station1.assign("NORTHERN HILLTOP 19");
    state.slots[0].station2.assign("S");
    EXPECT_EQ(
        routeScreenHopLine(state, 0),
        "LONGHOPNAM..  : NORTHERN HILLTOP 19 \\ S                     12.3km  0.0020% 0.0013%");
    EXPECT_EQ(hopsListLine(state, 0),
              "LONGHOPNAM..  : NORTHERN HILLTOP 19 \\ S                   0.0020% 0.0013%");
    EXPECT_EQ(shortHopName("EXACTLY13.HOP"), "EXACTLY13.HOP");
}

TEST_F(RouteScreen, WritingTheRouteIntoItsHopFiles) {
    state = build(dir, {{"H1.HOP", "OLD1", "OLD2", 11}, {"H2.HOP", "OLD2", "OLD3", 22}}, 0.002);
    state.record.info.assign("route info"); // the route's radio: "RADIO A"
    state.record.prxthChoice = 1018;
    state.slots[0].station1.assign("NEW0");
    state.slots[0].lengthKm = 99;
    HopState hop;
    std::filesystem::path currentName;
    const auto writeAndRead = [&](bool radioData, bool basicData, const char* name) {
        state.overwriteRadioData = radioData;
        state.overwriteBasicData = basicData;
        EXPECT_TRUE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
        StoredHop stored;
        EXPECT_EQ(parseHopImage(test::readFileBytes(dir / name), stored), HopParseError::None);
        const HopRecord& h = stored.record;
        return std::tuple(h.radioName.str(), h.frequencyGHz, h.ptxDbm, h.prxthDbm, h.berExponent,
                          h.station1Name.str(), h.hopLengthKm, h.info.str());
    };
    EXPECT_TRUE(routeHopFilesExist(state));
    EXPECT_EQ(writeAndRead(true, false, "H1.HOP"),
              std::tuple("RADIO A", 7.0, 25.0, -76.0, -6, "OLD1", 11.0, "")); // second BER column
    EXPECT_EQ(currentName, "H2.HOP");
    state.record.radioIndex = 2;
    state.record.radioName.assign("OTHER");
    EXPECT_EQ(writeAndRead(false, true, "H1.HOP"),
              std::tuple("RADIO A", 7.0, 25.0, -76.0, -6, "NEW0", 99.0, "route info"));
    state.currentHop = 0; // the hop screen then edits the current route hop
    ASSERT_TRUE(loadCurrentRouteHop(state, hop, library, currentName, messages));
    EXPECT_EQ(std::tuple(currentName, hop.record.station1Name.view(), state.routeHopActive),
              std::tuple("H1.HOP", "NEW0", true));

    // Missing hop files are created whole, with the route's radio; unreadable ones are kept.
    state.record.hopFile[0].assign("NEW1.HOP");
    state.record.hopFile[1].assign("NEW2.HOP");
    EXPECT_FALSE(routeHopFilesExist(state));
    EXPECT_EQ(writeAndRead(false, false, "NEW2.HOP"),
              std::tuple("OTHER", 0.0, 25.0, -76.0, -6, "OLD2", 22.0, "route info"));
    EXPECT_EQ(test::readFileBytes(dir / "NEW2.HOP").size(), kHopFileSize);
    const std::vector<std::uint8_t> foreign = {'N', 'O', 'T', ' ', 'A', ' ', 'H', 'O', 'P'};
    test::writeFile(dir / "NEW1.HOP", foreign);
    EXPECT_FALSE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    EXPECT_EQ(test::readFileBytes(dir / "NEW1.HOP"), foreign);
}

using RouteSummary = test::RouteTest;

TEST_F(RouteSummary, OpenedRouteSumsItsHopsAndClearsAMissingOne) {
    build(dir,
          {{"H1.HOP", "ALPHA", "BRAVO", 20, 0.002, 0.0012},
           {"H2.HOP", "BRAVO", "CHARLIE", 30, 0.002, 0.0020},
           {"H3.HOP", "CHARLIE", "DELTA", 10, 0.001, 0.0008}},
          0.0050);
    ASSERT_TRUE(openRoute(state, library, dir / "ROUTE.ROU", messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_EQ(formatFixed(state.record.totalOutage, 4), "0.0040");
    EXPECT_EQ(formatFixed(designMarginPct(state.record), 4), "0.0010");
    EXPECT_EQ(slotValues(state.slots[1]), std::tuple("BRAVO", "CHARLIE", 30.0, 0.002, 0.002, -1.0));

    std::filesystem::remove(dir / "H2.HOP");
    ASSERT_TRUE(openRoute(state, library, dir / "ROUTE.ROU", messages));
    expectBox("H2.HOP not found.");
    EXPECT_EQ(slotValues(state.slots[1]), std::tuple("", "", 0.0, 0.0, 0.0, -1.0));
    EXPECT_DOUBLE_EQ(state.record.totalOutage, 0.0020);
    // A route that cannot be opened empties only the file name.
    EXPECT_FALSE(openRoute(state, library, dir / "NONE.ROU", messages));
    EXPECT_TRUE(state.record.fileName.empty());
    EXPECT_EQ(state.slots[0].station1.view(), "ALPHA");
}

TEST_F(RouteSummary, CurrentHopCountsWithTheHopBeingEdited) {
    state = build(dir,
                  {{"H1.HOP", "A", "B", 20, 0.0025, 0.0010, 0, DiversityMode::No, 0.0001},
                   {"H2.HOP", "B", "C", 30, 0.0025, 0.0020}},
                  0.0050);
    state.currentHop = 1;
    const HopState edited =
        makeHop({"", "B", "C", 30, 0.0025, 0.0009, 0.0001, DiversityMode::Space, 0.0003});
    ASSERT_TRUE(summarizeRoute(state, edited, messages));
    const RouteRecord& r = state.record;
    EXPECT_EQ(std::tuple(r.hopOutage[1], r.hopRain[0], r.hopRain[1]),
              std::tuple(0.0001, 0.0001, 0.0003)); // pd: Space diversity
    EXPECT_DOUBLE_EQ(r.totalOutage, 0.0011);
    EXPECT_DOUBLE_EQ(designMarginPct(r), 0.0039);
    state.record.objective = 0.001;
    ASSERT_TRUE(summarizeRoute(state, edited, messages));
    EXPECT_EQ(formatFixed(designMarginPct(r), 4), "-0.0001");

    // An unreadable hop keeps its slot's outage.
    state.slots[0].outage = 0.0025;
    test::writeFile(dir / "H1.HOP", {'N', 'O', 'T', 'H', 'O', 'P', 0});
    ASSERT_TRUE(summarizeRoute(state, edited, messages));
    expectBox("The file H1.HOP is not a valid Korvel hopfile.");
    EXPECT_DOUBLE_EQ(r.totalOutage, 0.0026);

    state.record.hopCount = 21; // refused before any table is touched
    EXPECT_FALSE(summarizeRoute(state, edited, messages));
    EXPECT_FALSE(summarizeOpenedRoute(state, messages));
    EXPECT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[1].text, "Invalid number of hops.");
    EXPECT_DOUBLE_EQ(r.totalOutage, 0.0026);
}

TEST_F(RouteSummary, HopSlotReadingOfOldShortOrOutsideFiles) {
    const HopState hop = makeHop({"", "NORTH STATION NAME IS LONG", "S", 12.5, 0.002, 0.0011});
    test::writeFile(dir / "OLD.HOP", sixteenBitImage(hop));
    ASSERT_TRUE(readHopIntoSlot(state, "OLD.HOP", 4, true, messages));
    expectBox("The file OLD.HOP is created with 16-bit version of Korvel.\n"
              " When saved, it will be converted to 32-bit format.");
    EXPECT_EQ(slotValues(state.slots[4]),
              std::tuple("NORTH STATION NAME ", "S", 12.5, 0.002, 0.0011, -1.0));

    // One byte short is not a hop file; without clear-on-failure the slot is kept.
    auto image = hopFileImage(hop);
    image.resize(kHopFileSize - 1);
    test::writeFile(dir / "S.HOP", image);
    EXPECT_FALSE(readHopIntoSlot(state, "S.HOP", 4, false, messages));
    EXPECT_EQ(state.slots[4].outage, 0.0011);
    expectBox("The file S.HOP is not a valid Korvel hopfile.");
    // A name reaching outside the route's folder is not found.
    std::filesystem::create_directory(dir / "sub");
    state.folder = dir / "sub";
    EXPECT_FALSE(readHopIntoSlot(state, "../OLD.HOP", 4, true, messages));
    expectBox("../OLD.HOP not found.");
}

} // namespace
} // namespace korvel
