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
