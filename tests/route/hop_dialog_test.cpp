#include <gtest/gtest.h>

#include "platform/recording_messages.h"
#include "route/hop_dialog.h"
#include "route/route_reset.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

class HopDialog : public testing::Test {
  protected:
    HopDialog() {
        resetRoute(state, test::makeRouteTestLibrary(), folder.path());
        state.record.hopCount = 3;
        state.record.objective = 0.006;
        for (std::size_t i = 0; i < 3; ++i) {
            state.record.hopFile[i].assign(std::string("H") + std::to_string(i + 1) + ".HOP");
        }
    }

    HopDialogTexts typed(std::string fileName = "LINK 1", std::string objective = "0.002",
                         std::string lengthKm = "12.5") {
        return {std::move(fileName), "NORTH", "SOUTH", std::move(objective), std::move(lengthKm)};
    }

    test::TempFolder folder;
    RouteState state;
    RecordingMessages messages;
};

TEST_F(HopDialog, StoringTakesTheTypedHop) {
    state.record.divisionMethod = DivisionMethod::Manual;
    state.currentHop = 1;
    const HopDialogOutcome outcome = hopDialogRouteScreen(state, typed(), messages);
    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(state.record.hopFile[1].view(), "LINK 1.HOP");
    EXPECT_EQ(state.slots[1].station1.view(), "NORTH");
    EXPECT_EQ(state.slots[1].lengthKm, 12.5);
    EXPECT_EQ(state.slots[1].objective, 0.002);
    EXPECT_TRUE(messages.events().empty());
}

TEST_F(HopDialog, DivisionByNumberReplacesTheTypedObjective) {
    ASSERT_TRUE(hopDialogNext(state, typed(), messages).accepted);
    EXPECT_DOUBLE_EQ(state.slots[0].objective, 0.002);
    state.record.objective = 0.009;
    ASSERT_TRUE(hopDialogNext(state, typed("X", "0.0001"), messages).accepted);
    EXPECT_DOUBLE_EQ(state.slots[1].objective, 0.003);
}

TEST_F(HopDialog, NextAndPreviousWrapAround) {
    state.currentHop = 2;
    HopDialogOutcome outcome = hopDialogNext(state, typed(), messages);
    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(state.currentHop, 0);
    EXPECT_EQ(outcome.content.title, "Hop # 1");
    EXPECT_EQ(outcome.content.fileName, "H1.HOP");
    EXPECT_EQ(outcome.focus, HopDialogControl::FileName);

    outcome = hopDialogPrevious(state, typed(), messages);
    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(state.currentHop, 2);
    EXPECT_EQ(outcome.content.title, "Hop # 3");
    EXPECT_EQ(outcome.content.fileName, "LINK 1.HOP");
    EXPECT_EQ(outcome.content.objective, "0.0020");
    EXPECT_EQ(outcome.content.lengthKm, "12.5");
}

TEST_F(HopDialog, SingleHopStaysOnHopOne) {
    state.record.hopCount = 1;
    EXPECT_EQ(hopDialogNext(state, typed(), messages).content.title, "Hop # 1");
    EXPECT_EQ(hopDialogPrevious(state, typed(), messages).content.title, "Hop # 1");
    EXPECT_EQ(state.currentHop, 0);
}

struct RefusedCase {
    const char* name;
    HopDialogTexts texts;
    HopDialogControl focus;
    const char* caption;
};

class HopDialogRefused : public HopDialog, public testing::WithParamInterface<RefusedCase> {};

TEST_P(HopDialogRefused, KeepsTheHopAndFocusesTheField) {
    state.currentHop = 1;
    const HopDialogOutcome outcome = hopDialogNext(state, GetParam().texts, messages);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.focus, GetParam().focus);
    EXPECT_EQ(state.currentHop, 1);
    EXPECT_EQ(state.record.hopFile[1].view(), "H2.HOP");
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "Invalid data.");
    EXPECT_EQ(messages.boxes()[0].caption, GetParam().caption);
    EXPECT_EQ(messages.beepCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HopDialogRefused,
    testing::Values(
        RefusedCase{
            "NegativeObjective", {"A", "", "", "-1", "1"}, HopDialogControl::Objective, "Korvel"},
        RefusedCase{"TextLength", {"A", "", "", "1", "12km"}, HopDialogControl::LengthKm, "Korvel"},
        RefusedCase{"EmptyName", {"", "", "", "1", "1"}, HopDialogControl::FileName, "Error"},
        RefusedCase{
            "NameWithFolder", {"C:\\LINK", "", "", "1", "1"}, HopDialogControl::FileName, "Error"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(HopDialog, FileButtonReadsTheSlotWithoutChecks) {
    test::writeHop(folder.path(), {"EXIST.HOP", "EAST", "WEST", 7.5, 0.001, 0.0004});
    state.record.divisionMethod = DivisionMethod::Manual;
    const HopDialogOutcome outcome = hopDialogFile(state, "EXIST", messages);
    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(state.record.hopFile[0].view(), "EXIST.HOP");
    EXPECT_EQ(outcome.content.station1, "EAST");
    EXPECT_EQ(outcome.content.lengthKm, "7.5");
    EXPECT_EQ(outcome.content.objective, "0.0010");
}

TEST_F(HopDialog, FileButtonKeepsTheSlotOfAMissingFile) {
    state.slots[0].station1.assign("KEPT");
    const HopDialogOutcome outcome = hopDialogFile(state, "MISSING.HOP", messages);
    EXPECT_EQ(outcome.content.station1, "KEPT");
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text, "MISSING.HOP not found.");
}

} // namespace
} // namespace korvel
