#include <gtest/gtest.h>

#include "hopfile/hop_file.h"
#include "platform/recording_messages.h"
#include "route/route_hop_files.h"
#include "route/route_reset.h"
#include "route/route_screen.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

class RouteScreen : public testing::Test {
  protected:
    RouteScreen() { resetRoute(state, library, folder.path()); }

    RouteScreenTexts texts(std::string hopCount = "3", std::string fileName = "route1") {
        RouteScreenTexts t{"Coast line", folder.path().string(), std::move(fileName), "0.006",
                           std::move(hopCount)};
        t.radioSelection = 1;
        return t;
    }

    EquipmentLibrary library = test::makeRouteTestLibrary();
    test::TempFolder folder;
    RouteState state;
    RecordingMessages messages;
};

TEST_F(RouteScreen, HopCalcStoresTheRouteAndDividesByNumber) {
    const RouteScreenOutcome outcome =
        acceptRouteScreen(state, library, texts(), RouteScreenAction::HopCalc, messages);
    ASSERT_TRUE(outcome.accepted);
    const RouteRecord& r = state.record;
    EXPECT_EQ(r.fileName.view(), "route1.ROU");
    EXPECT_EQ(r.hopCount, 3);
    EXPECT_EQ(r.radioName.view(), "RADIO B");
    EXPECT_EQ(r.radioIndex, 1);
    EXPECT_EQ(r.ptxChoice, 1009);
    EXPECT_EQ(r.prxthChoice, 1019);
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.002);
}

TEST_F(RouteScreen, FileNameWithExtensionIsKept) {
    ASSERT_TRUE(acceptRouteScreen(state, library, texts("3", "route1.x"),
                                  RouteScreenAction::HopCalc, messages)
                    .accepted);
    EXPECT_EQ(state.record.fileName.view(), "route1.x");
}

struct RefusedCase {
    const char* name;
    std::string hopCount;
    std::string fileName;
    const char* text;
    RouteScreenControl focus;
};

class RouteScreenRefused : public RouteScreen, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RouteScreenRefused, FocusesTheField) {
    state.record.hopCount = 2;
    const RouteScreenOutcome outcome =
        acceptRouteScreen(state, library, texts(GetParam().hopCount, GetParam().fileName),
                          RouteScreenAction::HopCalc, messages);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.focus, GetParam().focus);
    EXPECT_EQ(state.record.hopCount, 2);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, GetParam().text);
    EXPECT_EQ(messages.boxes()[0].caption, "Error");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RouteScreenRefused,
    testing::Values(
        RefusedCase{"HopCountZero", "0", "r", "Invalid number of hops.",
                    RouteScreenControl::HopCount},
        RefusedCase{"HopCountTwentyOne", "21", "r", "Invalid number of hops.",
                    RouteScreenControl::HopCount},
        RefusedCase{"HopCountHuge", "99999999", "r", "Invalid number of hops.",
                    RouteScreenControl::HopCount},
        RefusedCase{"HopCountFraction", "2.5", "r", "Invalid data.", RouteScreenControl::HopCount},
        RefusedCase{"FileNameWithColon", "2", "c:route", "Invalid data.",
                    RouteScreenControl::FileName},
        RefusedCase{"FileNameEmpty", "2", "", "Invalid data.", RouteScreenControl::FileName}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RouteScreen, TwentyHopsAreAccepted) {
    EXPECT_TRUE(acceptRouteScreen(state, library, texts("20"), RouteScreenAction::HopDef, messages)
                    .accepted);
}

TEST_F(RouteScreen, CurrentHopStaysWithinTheNewHopCount) {
    RouteScreenTexts t = texts("2");
    t.hopLineCount = 5;
    t.selectedHopLine = 4;
    ASSERT_TRUE(acceptRouteScreen(state, library, t, RouteScreenAction::HopDef, messages).accepted);
    EXPECT_EQ(state.currentHop, 1);
}

TEST_F(RouteScreen, ListLinesShortenLongNames) {
    state.record.hopFile[0].assign("LONGHOPNAME1.HOP");
    state.slots[0].station1.assign("STATIONNORTH");
    state.slots[0].station2.assign("S");
    state.slots[0].lengthKm = 12.34;
    state.slots[0].objective = 0.002;
    state.slots[0].outage = 0.00125;
    EXPECT_EQ(routeScreenHopLine(state, 0),
              "LONGHOPNAM..  : STATIONN \\ S          12.3km  0.0020% 0.0013%");
    EXPECT_EQ(hopsListLine(state, 0), "LONGHOPNAM..  : STATIONN \\ S         0.0020% 0.0013%");
    EXPECT_EQ(shortHopName("EXACTLY13.HOP"), "EXACTLY13.HOP");
}

class RouteHopFiles : public RouteScreen {
  protected:
    RouteHopFiles() {
        state = test::buildRouteFolder(folder.path(),
                                       {{"H1.HOP", "OLD1", "OLD2", 11, 0.001, 0.0005, 0,
                                         DiversityMode::No, -1, "RADIO B", "old"},
                                        {"H2.HOP", "OLD2", "OLD3", 22, 0.001, 0.0005, 0,
                                         DiversityMode::No, -1, "RADIO B", "old"}},
                                       0.002, library);
        state.record.info.assign("route info");
        state.record.prxthChoice = 1018;
        for (std::size_t i = 0; i < 2; ++i) {
            state.slots[i].station1.assign(std::string("NEW") + std::to_string(i));
            state.slots[i].lengthKm = 99;
            state.slots[i].objective = 0.003;
        }
    }

    StoredHop readStored(const char* name) {
        StoredHop stored;
        EXPECT_EQ(parseHopImage(test::readBytes(folder.path() / name), stored),
                  HopParseError::None);
        return stored;
    }

    HopState hop;
    std::string currentName;
};

TEST_F(RouteHopFiles, OnlyRadioDataReplacesTheRadio) {
    ASSERT_TRUE(routeHopFilesExist(state));
    state.overwriteRadioData = true;
    state.overwriteBasicData = false;
    ASSERT_TRUE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    EXPECT_EQ(currentName, "H2.HOP");
    const StoredHop second = readStored("H2.HOP");
    EXPECT_EQ(second.record.radioName.view(), "RADIO A");
    EXPECT_EQ(second.record.frequencyGHz, 7);
    EXPECT_EQ(second.record.ptxDbm, 25);
    EXPECT_EQ(second.record.prxthDbm, -76);
    EXPECT_EQ(second.record.berExponent, -6); // second threshold column
    EXPECT_EQ(second.selection.radioIndex, 0);
    EXPECT_EQ(second.record.station1Name.view(), "OLD2");
    EXPECT_EQ(second.record.hopLengthKm, 22);
    EXPECT_EQ(second.record.outageObjectivePct, 0.001);
    EXPECT_EQ(second.record.info.view(), "old");
}

TEST_F(RouteHopFiles, OnlyBasicDataKeepsTheRadio) {
    state.overwriteRadioData = false;
    state.overwriteBasicData = true;
    ASSERT_TRUE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    const StoredHop first = readStored("H1.HOP");
    EXPECT_EQ(first.record.radioName.view(), "RADIO B");
    EXPECT_EQ(first.record.station1Name.view(), "NEW0");
    EXPECT_EQ(first.record.hopLengthKm, 99);
    EXPECT_EQ(first.record.outageObjectivePct, 0.003);
    EXPECT_EQ(first.record.info.view(), "route info");
}

TEST_F(RouteHopFiles, NewHopFilesAreCreatedWithEverything) {
    state.record.hopFile[0].assign("NEW1.HOP");
    state.record.hopFile[1].assign("NEW2.HOP");
    EXPECT_FALSE(routeHopFilesExist(state));
    state.overwriteRadioData = false;
    state.overwriteBasicData = false;
    ASSERT_TRUE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    const StoredHop created = readStored("NEW2.HOP");
    EXPECT_EQ(test::readBytes(folder.path() / "NEW2.HOP").size(), kHopFileSize);
    EXPECT_EQ(created.record.radioName.view(), "RADIO A");
    EXPECT_EQ(created.record.station1Name.view(), "NEW1");
    EXPECT_EQ(created.record.connector1LossDb, 0.5); // a New hop otherwise
    EXPECT_EQ(hop.record.station1Name.view(), "NEW1");
}

TEST_F(RouteHopFiles, UnreadableHopFileIsNeverOverwritten) {
    const std::vector<std::uint8_t> foreign = {'N', 'O', 'T', ' ', 'A', ' ', 'H', 'O', 'P'};
    test::writeBytes(folder.path() / "H2.HOP", foreign);
    ASSERT_FALSE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    EXPECT_EQ(test::readBytes(folder.path() / "H2.HOP"), foreign);
}

} // namespace
} // namespace korvel
