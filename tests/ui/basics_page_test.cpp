#include <optional>

#include "hopfile/hop_file.h"
#include "ui/basics_page.h"
#include "ui/list_dialog.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

class BasicsPageTest : public UiTest {
  public:
    void open(double frequencyGHz) {
        session.hop.record.frequencyGHz = frequencyGHz;
        command(Command::BasicsPage);
    }
};

TEST_F(BasicsPageTest, FillsFromTheHop) {
    session.hop.record.station1HeightM = -12.5;
    open(7.5);
    const std::map<ControlId, std::string> expected{
        {kObjectiveField, "0.0050"}, {kHopLengthField, "40.0"}, {kLongitudeField, "24"},
        {kLatitudeField, "60"},      {kPLField, "1.00"},        {kStation1HeightField, "-12.5"}};
    for (const auto& [control, text] : expected) {
        EXPECT_EQ(page().text(control), text) << control;
    }
    EXPECT_EQ(page().limits, (std::map<ControlId, int>{{1119, 19}, {1120, 19}, {1121, 35}}));
    for (const ControlId checked : {1126, 1128, 1140, 1135, 1106, 1122, 1110, 1113, 1116}) {
        EXPECT_TRUE(page().isChecked(checked)) << checked;
    }
    EXPECT_FALSE(page().isVisible(kInsulationLabel));
    EXPECT_FALSE(page().isVisible(1111));
    open(2);
    EXPECT_TRUE(page().isVisible(kInsulationLabel));
    EXPECT_TRUE(page().isVisible(1111));
}

TEST_F(BasicsPageTest, AcceptChecksEveryFieldInOrder) {
    struct Case {
        const char* name;
        double frequencyGHz;
        std::map<ControlId, std::string> typed;
        std::optional<std::string> message;
        std::vector<std::string> listed; // names in the list dialog
        bool listOk;
        ControlId focus; // 0: accepted
    };
    const Case cases[] = {
        {"longitude 180", 7.5, {{kLongitudeField, "180"}}, {}, {}, false, 0},
        {"longitude 181", 7.5, {{kLongitudeField, "181"}}, "Invalid value: Longitude", {}, false,
         kLongitudeField},
        {"longitude -1", 7.5, {{kLongitudeField, "-1"}}, "Invalid value: Longitude", {}, false,
         kLongitudeField},
        {"latitude 90", 7.5, {{kLatitudeField, "90"}}, {}, {}, false, 0},
        {"latitude 91", 7.5, {{kLatitudeField, "91"}}, "Invalid value: Latitude", {}, false,
         kLatitudeField},
        {"pL 120", 7.5, {{kPLField, "120"}}, "Invalid value: pL", {}, false, kPLField},
        {"pL 0.3 after the note", 7.5, {{kPLField, "0.3"}}, {}, {"Percentage pL"}, true, 0},
        {"station height -12.5", 7.5, {{kStation1HeightField, "-12.5"}}, {}, {}, false, 0},
        {"station 2 height", 7.5, {{kStation2HeightField, "1-2"}},
         "Invalid value: Station 2 height.", {}, false, kStation2HeightField},
        {"hop 0.05 km at 38 GHz", 38, {{kHopLengthField, "0.05"}}, "Invalid value : Hop length.",
         {}, false, kHopLengthField},
        {"hop 0.3 km at 38 GHz after the note", 38, {{kHopLengthField, "0.3"}}, {},
         {"hop length."}, true, 0},
        {"note cancelled", 7.5, {{kHopLengthField, "150"}, {kPLField, "90"}}, {},
         {"Percentage pL", "hop length."}, false, kHopLengthField},
        {"invalid numbers", 7.5, {{kObjectiveField, "x"}, {kHopLengthField, "-4"}}, {},
         {"hop length.", "outage objective."}, false, kObjectiveField},
    };
    const HopRecord base = session.hop.record;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop.record = base;
        session.hop.record.frequencyGHz = c.frequencyGHz;
        session.fields.resetForNew();
        BasicsPage basics(session);
        FakeDialogView view;
        basics.open(view);
        const std::vector<std::uint8_t> before = hopFileImage(session.hop);
        for (const auto& [control, text] : c.typed) {
            view.setText(control, text);
        }
        messages.clear();
        dialogs.ran.clear();
        dialogs.scripts.clear();
        dialogs.press(DialogId::ListDialog, {c.listOk ? kOkButton : kCancelButton});
        session.app.pageAccepted = true;
        basics.onCommand(kLeavePageCommand);
        EXPECT_EQ(session.app.pageAccepted, c.focus == 0);
        EXPECT_EQ(boxTexts(), c.message ? std::vector{*c.message} : std::vector<std::string>{});
        const bool beeps = c.message && c.message->starts_with("Invalid value:");
        EXPECT_EQ(messages.beepCount(), beeps ? 1u : 0u);
        if (c.focus != 0) {
            EXPECT_EQ(view.focus, c.focus);
            EXPECT_EQ(hopFileImage(session.hop), before);
        }
        ASSERT_EQ(dialogs.ran.size(), c.listed.empty() ? 0u : 1u);
        if (!c.listed.empty()) {
            const FakeDialogView& list = dialogs.ran[0].second;
            const bool error = c.name == std::string("invalid numbers");
            EXPECT_EQ(list.title, error ? "Error!" : "Note!");
            EXPECT_EQ(list.text(kListHeadingLabel),
                      error ? "Invalid data : " : "Values out of normal limits : ");
            EXPECT_EQ(list.isEnabled(kOkButton), !error);
            for (std::size_t i = 0; i < c.listed.size(); ++i) {
                EXPECT_EQ(list.text(kListFirstNameLabel + static_cast<int>(i)), c.listed[i]);
            }
        }
    }
}

TEST_F(BasicsPageTest, AValueOutOfLimitsIsNotedOncePerFieldUntilNew) {
    open(7.5);
    type(kHopLengthField, "150");
    dialogs.press(DialogId::ListDialog, {kOkButton});
    EXPECT_TRUE(pageAccepts());
    EXPECT_EQ(session.hop.record.hopLengthKm, 150);
    EXPECT_TRUE(pageAccepts());
    EXPECT_EQ(dialogs.ran.size(), 1u);
}

TEST_F(BasicsPageTest, StoresTheFieldsAndTheModes) {
    open(2);
    session.hop.selection.feederIndex = {2, 2};
    session.hop.selection.antennaIndex = {5, 5, 5};
    type(kInfoField, std::string(35, 'i'));
    type(kStation1NameField, "Hill A");
    type(kStation1HeightField, "-12.55");
    for (const ControlId button : {1127, 1129, 1139, 1138, 1107, 1123, 1111, 1114, 1117}) {
        click(button);
    }
    EXPECT_TRUE(pageAccepts());
    const HopRecord& record = session.hop.record;
    EXPECT_EQ(record.info.str(), std::string(34, 'i'));
    EXPECT_EQ(record.station1Name.str(), "Hill A");
    EXPECT_EQ(record.station1HeightM, -12.55);
    EXPECT_EQ(record.landType, LandType::LargeWater);
    EXPECT_EQ(record.selectiveFading, SelectiveFading::Standard);
    EXPECT_EQ(record.modeText.str(), "FREQ / HSB");
    EXPECT_EQ(record.branchingLossDb, 3.0);
    EXPECT_EQ(session.hop.selection.branchingLossSet, 1);
    // A new insulation and antenna type bring the library's first choices back.
    EXPECT_EQ(session.hop.selection.feederIndex, (std::array<std::int16_t, 2>{1, 1}));
    EXPECT_EQ(session.hop.selection.antennaIndex, (std::array<std::int16_t, 3>{0, 0, 0}));
}

TEST_F(BasicsPageTest, ResetBringsBackTheStoredValuesAndChoices) {
    open(7.5);
    type(kHopLengthField, "77");
    click(1115);
    click(kBasicsResetButton);
    EXPECT_EQ(page().text(kHopLengthField), "40.0");
    EXPECT_TRUE(page().isChecked(1113));
    EXPECT_FALSE(page().isChecked(1115));
}

TEST(ListDialog, ShowsSixNamesOfAtMost25Characters) {
    FakeDialogHost dialogs;
    const std::vector<std::string_view> names{"1", "2", "3", "4", "5",
                                              "A name of more than 25 characters", "7"};
    dialogs.press(DialogId::ListDialog, {kOkButton});
    EXPECT_TRUE(runListDialog(dialogs, "Note!", "Heading", names, true));
    dialogs.press(DialogId::ListDialog, {kCancelButton});
    EXPECT_FALSE(runListDialog(dialogs, "Error!", "Heading", names, false));
    const FakeDialogView& view = dialogs.ran[1].second;
    EXPECT_EQ(view.text(1406), "A name of more than 25 ch");
    EXPECT_FALSE(view.texts.contains(1407));
    EXPECT_EQ(view.focus, kCancelButton);
    EXPECT_FALSE(view.isEnabled(kOkButton));
}

} // namespace
} // namespace korvel
