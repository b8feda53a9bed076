#include "engine/fading.h"
#include "fields/format_fixed.h"
#include "ui/form_fixture.h"

namespace korvel {
namespace {

TEST_F(FormTest, OpensInTheLayoutOfTheDiversityWithLibraryValuesAndTheMarginField) {
    const struct {
        const char* name;
        DiversityMode diversity;
        SelectiveFading fading;
        DialogId layout;
        std::string marginLabel; // empty: the field and its labels are hidden
        std::string marginText;
    } cases[] = {
        {"no diversity, no selective", DiversityMode::No, SelectiveFading::No,
         DialogId::FormNoDiversity, "", ""},
        {"space, standard", DiversityMode::Space, SelectiveFading::Standard,
         DialogId::FormSpaceDiversity, "Msm (42.5 km)  :", "40.0"},
        {"frequency, user", DiversityMode::Freq, SelectiveFading::User,
         DialogId::FormFrequencyDiversity, "Msm            :", "33.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop.record.selectiveFading = c.fading;
        session.hop.results.Msm = 33.3;
        openForm(c.diversity);
        ASSERT_TRUE(pageAccepts());
        EXPECT_EQ(dialogs.pageForm, c.layout);
        EXPECT_EQ(session.app.currentPageId, kFormPageId);
        EXPECT_EQ(page().isVisible(kSelectiveMarginField), !c.marginLabel.empty());
        EXPECT_EQ(page().isVisible(kSelectiveMarginUnit), !c.marginLabel.empty());
        if (!c.marginLabel.empty()) {
            EXPECT_EQ(page().text(kSelectiveMarginLabel), c.marginLabel);
            EXPECT_EQ(page().text(kSelectiveMarginField), c.marginText);
        }
        // Index 3 of Parab solid is 2.4 m; feeder type 1 of the 7.5 GHz table loses 3.4 dB.
        EXPECT_EQ(page().text(kAntenna1DiameterField), "2.4");
        EXPECT_EQ(page().text(kAntenna2GainField), gainText(2.4, 7.5));
        EXPECT_EQ(page().text(kFeeder1LossField), "3.4");
        EXPECT_EQ(page().text(kFeeder1TypeLabel), "WG 7 low");
        EXPECT_EQ(page().text(kAntenna1HeightField), "30.0");
        EXPECT_EQ(page().text(kChannelSpacingField),
                  c.diversity == DiversityMode::Freq ? "0.200" : "");
        EXPECT_EQ(page().text(kDiversityDiameterField),
                  c.diversity == DiversityMode::Space ? "2.4" : "");
    }
}

// Mended: RainCalc below 6 GHz ran a whole calculation before saying it could not; now it is
// grayed and its tip says why. Limited fields name their range at the hop's frequency.
TEST_F(FormTest, RainCalcIsGrayedBelowSixGigahertzAndFieldsTellTheirRange) {
    for (const double frequencyGHz : {5.9, 6.0}) {
        SCOPED_TRACE(frequencyGHz);
        openForm(DiversityMode::Freq, frequencyGHz);
        EXPECT_EQ(page().isEnabled(kRainCalcButton), frequencyGHz >= 6);
        EXPECT_EQ(page().controls.at(kRainCalcButton).toolTip.find("below 6 GHz") !=
                      std::string::npos,
                  frequencyGHz < 6);
    }
    EXPECT_EQ(page().controls.at(kTerrainLossField).toolTip,
              "Additional terrain loss, dB. Normal range 0 to 15 dB; a value outside it is asked "
              "about once.");
    EXPECT_NE(page().controls.at(kChannelSpacingField).toolTip.find("0 to 0.3 GHz"),
              std::string::npos);
}

TEST_F(FormTest, SteppingStaysInRangeAndRestoresTheLibraryValueAtTheEnds) {
    openForm(DiversityMode::Space);
    const struct {
        const char* name;
        Typed typed;
        std::vector<ControlId> presses;
        ControlId field;
        std::string shown;
    } cases[] = {
        {"antenna 1 up", {}, {1229}, kAntenna1DiameterField, "3.0"},
        {"antenna 1 past the top", {}, {1229, 1229, 1229}, kAntenna1DiameterField, "3.7"},
        {"typed diameter, at the top",
         {{kAntenna1DiameterField, "9.9"}},
         {1229},
         kAntenna1DiameterField,
         "3.7"},
        {"antenna 2 past the bottom",
         {},
         {1230, 1230, 1230, 1230, 1230},
         kAntenna2DiameterField,
         "0.6"},
        {"diversity antenna down", {}, {1240}, kDiversityDiameterField, "1.8"},
        {"typed loss, feeder 2 at the top",
         {{kFeeder2LossField, "7.7"}},
         {1235, 1235, 1235},
         kFeeder2LossField,
         "4.5"},
        {"feeder 1 down", {}, {1232, 1232}, kFeeder1LossField, "2.9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        typeAll(c.typed);
        if (!c.typed.empty()) {
            ASSERT_TRUE(pageAccepts()); // the typed value becomes the user's
        }
        for (const ControlId press : c.presses) {
            click(press);
        }
        EXPECT_EQ(page().text(c.field), c.shown);
        EXPECT_EQ(session.hop.selection.userDiameter, (std::array<std::int16_t, 3>{}));
        EXPECT_EQ(session.hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{}));
    }
}

// form_refusals.scn plays the messages and the focus of each refusal.
TEST_F(FormTest, ARefusedPageStoresNothing) {
    const Typed refused[] = {
        {{kFeeder1LengthField, "300"}, {kTerrainLossField, "16"}}, // the note cancelled
        {{kFeeder1LengthField, "25.5"}, {kAntenna2HeightField, "0"}},
        {{kFeeder1LengthField, "25.5"}, {kAntenna2GainField, "4x"}},
    };
    for (const Typed& typed : refused) {
        openForm(DiversityMode::No, 15);
        const double before = session.hop.record.feeder1LengthM;
        typeAll(typed);
        dialogs.answer(DialogId::ListDialog, {}, {kCancelButton});
        EXPECT_FALSE(pageAccepts());
        EXPECT_EQ(session.hop.record.feeder1LengthM, before);
    }
}

TEST_F(FormTest, OverrideFlagsFollowWhatTheFieldsShowAgainstTheLibrary) {
    const struct {
        const char* name;
        Typed typed;
        std::array<std::int16_t, 3> userDiameter;
        std::array<std::int16_t, 3> userGain;
        std::array<std::int16_t, 2> userFeederLoss;
        double gain1;
    } cases[] = {
        // Mended: library values shown rounded to one decimal used to count as typed.
        {"untouched", {}, {0, 0, 0}, {0, 0, 0}, {0, 0}, antennaGainDbi(2.4, 7.5)},
        {"1.8 m with gain 0",
         {{kAntenna1DiameterField, "1.8"}, {kAntenna1GainField, "0"}},
         {1, 0, 0},
         {1, 0, 0},
         {0, 0},
         antennaGainDbi(1.8, 7.5)},
        {"gain typed", {{kAntenna1GainField, "44.0"}}, {0, 0, 0}, {1, 0, 0}, {0, 0}, 44.0},
        {"loss typed",
         {{kFeeder2LossField, "5.0"}},
         {0, 0, 0},
         {0, 0, 0},
         {0, 1},
         antennaGainDbi(2.4, 7.5)},
    };
    const HopState base = session.hop;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop = base;
        openForm();
        typeAll(c.typed);
        ASSERT_TRUE(pageAccepts());
        const HopSelection& selection = session.hop.selection;
        EXPECT_EQ(selection.userDiameter, c.userDiameter);
        EXPECT_EQ(selection.userGain, c.userGain);
        EXPECT_EQ(selection.userFeederLoss, c.userFeederLoss);
        EXPECT_EQ(session.hop.record.antenna1GainDbi, c.gain1);
    }
}

// form_selective_user.scn plays a User margin taken as typed.
TEST_F(FormTest, SelectiveMarginStandardIsReferredToTheHop) {
    session.hop.record.selectiveFading = SelectiveFading::Standard;
    openForm();
    type(kSelectiveMarginField, "45");
    ASSERT_TRUE(pageAccepts());
    EXPECT_EQ(session.hop.results.Msm, hopSelectiveMargin(45, 40));
}

} // namespace
} // namespace korvel
