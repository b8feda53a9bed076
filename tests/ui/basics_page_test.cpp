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

TEST_F(BasicsPageTest, FillsFromTheHopAgainOnResetAndShowsTheInsulationUpTo3GHz) {
    session.hop.record.station1HeightM = -12.5;
    open(7.5);
    // clang-format off
    for (const auto& [control, text] : Typed{{kObjectiveField, "0.0050"}, {kLongitudeField, "24"},
                                             {kPLField, "1.00"}, {kStation1HeightField, "-12.5"}}) {
        EXPECT_EQ(page().text(control), text) << control;
    }
    // clang-format on
    EXPECT_EQ(page().get(kInfoField).limit, 35);
    EXPECT_EQ(page().get(kStation2NameField).limit, 19);
    for (const ControlId checked : {1126, 1128, 1140, 1135, 1106, 1122, 1110, 1113, 1116}) {
        EXPECT_TRUE(page().isChecked(checked)) << checked;
    }
    type(kHopLengthField, "77");
    click(1115);
    click(kBasicsResetButton); // brings back the stored values and choices
    EXPECT_EQ(page().text(kHopLengthField), "40.0");
    EXPECT_EQ(std::pair(page().isChecked(1113), page().isChecked(1115)), std::pair(true, false));
    for (const double frequency : {7.5, 3.0}) {
        open(frequency);
        EXPECT_EQ(page().isVisible(kInsulationLabel), frequency <= 3);
        EXPECT_EQ(page().isVisible(1111), frequency <= 3);
    }
}

TEST_F(BasicsPageTest, AcceptChecksEveryFieldInOrderBeforeStoringAnything) {
    const std::string note = "Note! Values out of normal limits : ";
    const struct {
        const char* name;
        double frequencyGHz;
        Typed typed;
        std::vector<std::string> shown;
        ControlId listButton;
        ControlId focus; // 0: accepted
    } cases[] = {
        // clang-format off
        {"longitude -1", 7.5, {{kLongitudeField, "-1"}}, {"Invalid value: Longitude"}, 0,
         kLongitudeField},
        {"latitude 90", 7.5, {{kLatitudeField, "90"}}, {}, 0, 0},
        {"latitude 91", 7.5, {{kLatitudeField, "91"}}, {"Invalid value: Latitude"}, 0,
         kLatitudeField},
        {"pL 120", 7.5, {{kPLField, "120"}}, {"Invalid value: pL"}, 0, kPLField},
        {"pL 0.3 noted", 7.5, {{kPLField, "0.3"}}, {note + "Percentage pL|"}, kOkButton, 0},
        {"station 2 height", 7.5, {{kStation2HeightField, "1-2"}},
         {"Invalid value: Station 2 height."}, 0, kStation2HeightField},
        {"0.05 km at 38 GHz", 38, {{kHopLengthField, "0.05"}}, {"Invalid value : Hop length."},
         0, kHopLengthField},
        {"0.3 km at 38 GHz noted", 38, {{kHopLengthField, "0.3"}}, {note + "hop length.|"},
         kOkButton, 0},
        {"note cancelled", 7.5, {{kHopLengthField, "150"}, {kPLField, "90"}},
         {note + "Percentage pL|hop length.|"}, kCancelButton, kHopLengthField},
        {"not numbers", 7.5, {{kObjectiveField, "x"}, {kHopLengthField, "-4"}},
         {"Error! Invalid data : hop length.|outage objective.| (no OK)"}, kCancelButton,
         kObjectiveField},
        // clang-format on
    };
    const HopRecord base = session.hop.record;
    for (const auto& c : cases) {
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
        dialogs.answer(DialogId::ListDialog, {}, {c.listButton});
        session.app.pageAccepted = true;
        basics.onCommand(kLeavePageCommand);
        EXPECT_EQ(session.app.pageAccepted, c.focus == 0);
        EXPECT_EQ(boxTexts(), c.shown);
        const bool beeps = !c.shown.empty() && c.shown[0].starts_with("Invalid value:");
        EXPECT_EQ(messages.beepCount(), beeps ? 1u : 0u);
        if (c.focus != 0) {
            EXPECT_EQ(view.focus, c.focus);
            EXPECT_EQ(hopFileImage(session.hop), before);
        }
    }
}

TEST_F(BasicsPageTest, StoresTheFieldsTheModesAndResetsTheChangedSelections) {
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
    EXPECT_EQ(record.info.str(), std::string(35, 'i')); // fixed: the 35th was dropped
    EXPECT_EQ(record.station1Name.str(), "Hill A");
    EXPECT_EQ(record.station1HeightM, -12.55);
    EXPECT_EQ(record.landType, LandType::LargeWater);
    EXPECT_EQ(record.modeText.str(), "FREQ / HSB");
    EXPECT_EQ(record.branchingLossDb, 3.0);
    EXPECT_EQ(session.hop.selection.branchingLossSet, 1);
    EXPECT_EQ(session.hop.selection.feederIndex, (std::array<std::int16_t, 2>{1, 1}));
    EXPECT_EQ(session.hop.selection.antennaIndex, (std::array<std::int16_t, 3>{0, 0, 0}));
}

// Fixed: numbers were cut to the characters read (0.00125 stored as 0.0012; 123456 km checked as
// 1234 and stored as 12345). What is checked and stored is the whole text the field shows.
TEST_F(BasicsPageTest, ANumberIsCheckedAndStoredAsTheFieldShowsIt) {
    open(7.5);
    type(kObjectiveField, "0.00125");
    type(kHopLengthField, "123456");
    dialogs.answer(DialogId::ListDialog, {}, {kOkButton});
    EXPECT_TRUE(pageAccepts());
    EXPECT_EQ(boxTexts(),
              std::vector<std::string>{"Note! Values out of normal limits : hop length.|"});
    EXPECT_EQ(session.hop.record.outageObjectivePct, 0.00125);
    EXPECT_EQ(session.hop.record.hopLengthKm, 123456.0);
}

// Fixed: a text Windows-1252 cannot hold was stored with "?" while the page still showed it.
TEST_F(BasicsPageTest, ATextWindows1252CannotHoldIsRefusedByNameAndNothingIsStored) {
    open(7.5);
    type(kInfoField, "Link");
    type(kStation2NameField, "Gdansk");
    page().controls[kStation2NameField].textFits = false;
    EXPECT_FALSE(pageAccepts());
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].text,
              "The text of Station 2 name holds characters that Windows-1252 cannot store.");
    EXPECT_EQ(messages.boxes()[0].caption, "Korvel");
    EXPECT_EQ(page().focus, kStation2NameField);
    EXPECT_EQ(session.hop.record.info.str(), "");

    page().controls[kStation2NameField].textFits = true;
    EXPECT_TRUE(pageAccepts());
    EXPECT_EQ(session.hop.record.station2Name.str(), "Gdansk");
}

TEST(ListDialog, ShowsSixNamesOfAtMost25CharactersWithTheFocusOnCancel) {
    FakeDialogHost dialogs;
    const std::string longName(30, 'n');
    const std::vector<std::string_view> names{"1", "2", "3", "4", "5", longName, "7"};
    dialogs.answer(DialogId::ListDialog, {}, {kOkButton});
    EXPECT_TRUE(runListDialog(dialogs, "Note!", "Heading", names, true));
    EXPECT_FALSE(runListDialog(dialogs, "Error!", "Heading", names, false));
    const FakeDialogView& view = dialogs.ran[1].second;
    EXPECT_EQ(view.text(1406), std::string(25, 'n'));
    EXPECT_FALSE(view.controls.contains(1407));
    EXPECT_EQ(view.focus, kCancelButton);
    EXPECT_FALSE(view.isEnabled(kOkButton));
}

} // namespace
} // namespace korvel
