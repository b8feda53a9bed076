#include <gtest/gtest.h>

#include "hopfile/hop_file.h"
#include "platform/recording_messages.h"
#include "route/hop_slot_reader.h"
#include "route/route_file.h"
#include "route/route_open.h"
#include "route/route_summary.h"
#include "route/route_test_support.h"
#include "ui/format_fixed.h"

namespace korvel {
namespace {

using test::HopValues;

class RouteSummary : public testing::Test {
  protected:
    EquipmentLibrary library = test::makeRouteTestLibrary();
    test::TempFolder folder;
    RecordingMessages messages;
};

TEST_F(RouteSummary, OpenedRouteSumsItsHops) {
    test::buildRouteFolder(folder.path(),
                           {{"H1.HOP", "ALPHA", "BRAVO", 20, 0.002, 0.0012},
                            {"H2.HOP", "BRAVO", "CHARLIE", 30, 0.002, 0.0020},
                            {"H3.HOP", "CHARLIE", "DELTA", 10, 0.001, 0.0008}},
                           0.0050, library);
    RouteState state;
    ASSERT_TRUE(openRoute(state, library, folder.path() / "ROUTE.ROU", messages));
    EXPECT_TRUE(messages.events().empty());
    EXPECT_EQ(formatFixed(state.record.totalOutage, 4), "0.0040");
    EXPECT_EQ(formatFixed(designMarginPct(state.record), 4), "0.0010");
    EXPECT_EQ(state.slots[1].station2.view(), "CHARLIE");
    EXPECT_EQ(state.slots[2].lengthKm, 10);
    EXPECT_EQ(state.record.hopOutage[1], 0.0020);
}

TEST_F(RouteSummary, MissingHopOnOpeningIsClearedAndReported) {
    RouteState built = test::buildRouteFolder(
        folder.path(),
        {{"H1.HOP", "ALPHA", "BRAVO", 20, 0.002, 0.0012}, {"H2.HOP", "B", "C", 30, 0.002, 0.002}},
        0.004, library);
    std::filesystem::remove(folder.path() / "H2.HOP");
    RouteState state;
    state.slots[1].station1.assign("STALE");
    state.slots[1].outage = 0.7;
    ASSERT_TRUE(openRoute(state, library, folder.path() / "ROUTE.ROU", messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "H2.HOP not found.");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(state.slots[1].station1.empty());
    EXPECT_EQ(state.slots[1].outage, 0.0);
    EXPECT_EQ(state.slots[1].rainUnavail, -1.0);
    EXPECT_DOUBLE_EQ(state.record.totalOutage, 0.0012);
}

TEST_F(RouteSummary, FailedOpenEmptiesOnlyTheFileName) {
    RouteState state;
    state.record.info.assign("current");
    state.record.fileName.assign("CUR.ROU");
    EXPECT_FALSE(openRoute(state, library, folder.path() / "NONE.ROU", messages));
    EXPECT_TRUE(state.record.fileName.empty());
    EXPECT_EQ(state.record.info.view(), "current");
}

TEST_F(RouteSummary, CurrentHopCountsWithTheHopBeingEdited) {
    RouteState state = test::buildRouteFolder(
        folder.path(),
        {{"H1.HOP", "A", "B", 20, 0.0025, 0.0010, 0, DiversityMode::No, 0.0001},
         {"H2.HOP", "B", "C", 30, 0.0025, 0.0020, 0, DiversityMode::No, -1}},
        0.0050, library);
    state.currentHop = 1;
    HopState edited = test::makeHop(
        {"H2.HOP", "B", "C", 30, 0.0025, 0.0009, 0.0001, DiversityMode::Space, 0.0003});
    ASSERT_TRUE(summarizeRoute(state, edited, messages));
    EXPECT_DOUBLE_EQ(state.record.hopOutage[1], 0.0001); // pd: Space diversity
    EXPECT_DOUBLE_EQ(state.record.totalOutage, 0.0011);
    EXPECT_EQ(state.record.hopRain[0], 0.0001);
    EXPECT_EQ(state.record.hopRain[1], 0.0003);
    EXPECT_DOUBLE_EQ(designMarginPct(state.record), 0.0039);
}

TEST_F(RouteSummary, NegativeMarginWhenHopsExceedTheObjective) {
    RouteState state = test::buildRouteFolder(
        folder.path(),
        {{"H1.HOP", "A", "B", 20, 0.001, 0.0015}, {"H2.HOP", "B", "C", 30, 0.001, 0.0010}}, 0.0020,
        library);
    state.currentHop = 0;
    ASSERT_TRUE(
        summarizeRoute(state, test::makeHop({"H1.HOP", "A", "B", 20, 0.001, 0.0015}), messages));
    EXPECT_EQ(formatFixed(designMarginPct(state.record), 4), "-0.0005");
}

TEST_F(RouteSummary, UnreadableHopKeepsItsSlotInTheFullSummary) {
    RouteState state = test::buildRouteFolder(
        folder.path(),
        {{"H1.HOP", "A", "B", 20, 0.001, 0.001}, {"H2.HOP", "B", "C", 30, 0.001, 0.002}}, 0.004,
        library);
    state.slots[1].outage = 0.0025;
    test::writeBytes(folder.path() / "H2.HOP", {'N', 'O', 'T', 'H', 'O', 'P', 0});
    ASSERT_TRUE(
        summarizeRoute(state, test::makeHop({"H1.HOP", "A", "B", 20, 0.001, 0.001}), messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "The file H2.HOP is not a valid Korvel hopfile.");
    EXPECT_EQ(state.record.hopOutage[1], 0.0025);
}

TEST_F(RouteSummary, HopCountBeyondTheTablesIsRefused) {
    RouteState state;
    state.record.hopCount = 21;
    state.record.totalOutage = 0.3;
    EXPECT_FALSE(summarizeRoute(state, HopState{}, messages));
    EXPECT_FALSE(summarizeOpenedRoute(state, messages));
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid number of hops.");
    EXPECT_EQ(state.record.totalOutage, 0.3);
}

struct DiversityCase {
    const char* name;
    DiversityMode mode;
    double expectedOutagePct;
};

class SlotOutage : public testing::TestWithParam<DiversityCase> {};

TEST_P(SlotOutage, DiversityDecidesWhichOutageCounts) {
    const HopState hop =
        test::makeHop({"X.HOP", "A", "B", 1, 0.001, 0.004, 0.0004, GetParam().mode});
    RouteHopSlot slot;
    fillHopSlot(slot, hop.record, hop.results);
    EXPECT_EQ(slot.outage, GetParam().expectedOutagePct);
}

INSTANTIATE_TEST_SUITE_P(Modes, SlotOutage,
                         testing::Values(DiversityCase{"No", DiversityMode::No, 0.004},
                                         DiversityCase{"Freq", DiversityMode::Freq, 0.0004},
                                         DiversityCase{"Space", DiversityMode::Space, 0.0004}),
                         [](const auto& param) { return std::string(param.param.name); });

class HopSlotReading : public RouteSummary {
  protected:
    HopSlotReading() { state.folder = folder.path(); }
    RouteState state;
};

TEST_F(HopSlotReading, SixteenBitHopIsReadWithItsNote) {
    const HopState hop =
        test::makeHop({"OLD.HOP", "NORTH STATION NAME IS LONG", "S", 12.5, 0.002, 0.0011});
    // The 16-bit layout of the same hop, built from the current image.
    auto image = hopFileImage(hop);
    std::vector<std::uint8_t> old(image.begin(), image.begin() + 82);
    old[4] = '5';
    const std::vector<std::pair<std::size_t, std::size_t>> fields = {
        {0, 40},   {40, 20},  {64, 8},    {72, 8},  {80, 8},  {88, 2},  {96, 8},
        {104, 8},  {112, 15}, {128, 48},  {176, 2}, {178, 2}, {184, 8}, {192, 14},
        {206, 25}, {231, 25}, {256, 168}, {424, 2}, {432, 8}};
    for (const auto& [offset, size] : fields) {
        old.insert(old.end(), image.begin() + static_cast<std::ptrdiff_t>(82 + offset),
                   image.begin() + static_cast<std::ptrdiff_t>(82 + offset + size));
    }
    old.insert(old.end(), image.begin() + 522, image.end());
    ASSERT_EQ(old.size(), kOldHopFileSize);
    test::writeBytes(folder.path() / "OLD.HOP", old);

    ASSERT_TRUE(readHopIntoSlot(state, "OLD.HOP", 4, true, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text,
              "The file OLD.HOP is created with 16-bit version of Korvel.\n"
              " When saved, it will be converted to 32-bit format.");
    EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Information);
    EXPECT_EQ(state.slots[4].station1.view(), "NORTH STATION NAME ");
    EXPECT_EQ(state.slots[4].lengthKm, 12.5);
    EXPECT_EQ(state.slots[4].outage, 0.0011);
}

TEST_F(HopSlotReading, ShortHopFileIsNotValid) {
    auto image = hopFileImage(test::makeHop({"S.HOP", "A", "B", 1, 0.001, 0.001}));
    image.resize(kHopFileSize - 1);
    test::writeBytes(folder.path() / "S.HOP", image);
    state.slots[0].outage = 0.5;
    EXPECT_FALSE(readHopIntoSlot(state, "S.HOP", 0, false, messages));
    EXPECT_EQ(state.slots[0].outage, 0.5);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "The file S.HOP is not a valid Korvel hopfile.");
    EXPECT_EQ(messages.beepCount(), 1u);
}

TEST_F(HopSlotReading, NameWithAFolderIsNotFound) {
    test::writeHop(folder.path(), {"IN.HOP", "A", "B", 1, 0.001, 0.001});
    std::filesystem::create_directory(folder.path() / "sub");
    state.folder = folder.path() / "sub";
    EXPECT_FALSE(readHopIntoSlot(state, "../IN.HOP", 0, true, messages));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "../IN.HOP not found.");
}

} // namespace
} // namespace korvel
