#include "ui/radio_page.h"
#include "ui/typed_radio_values.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

class RadioPageTest : public UiTest {
  public:
    void SetUp() override {
        UiTest::SetUp();
        command(Command::RadioPage);
    }
    void select(int row) {
        page().selectRow(kRadioList, row);
        dialogs.pagePresenter->onSelectionChanged(kRadioList);
    }
};

// radio_choices.scn plays another radio's defaults and Reset; no sample radio has one rate.
TEST_F(RadioPageTest, ARadioOfOneBitErrorRateNamesItOverTheThresholds) {
    session.library.radios[1].berExponent = {-6, -6};
    select(1);
    EXPECT_EQ(page().text(kPrxthGroup), "Prxth Ber:10-6");
}

TEST_F(RadioPageTest, CommittingStoresTheChoiceIntoTheHop) {
    const struct {
        const char* name;
        std::function<void(RadioPageTest&)> act;
        double ptxDbm, prxthDbm;
        int berExponent, branchingLossSet;
    } cases[] = {
        {"the same radio", [](RadioPageTest& t) { t.click(1008); }, 30, -78, -6, 1},
        {"another radio", [](RadioPageTest& t) { t.select(1); }, 30, -82, -3, 0},
        {"typed values",
         [](RadioPageTest& t) {
             t.dialogs.answer(DialogId::PtxDialog, {{kTypedPtxField, "25.5"}}, {kOkButton});
             t.dialogs.answer(DialogId::PrxthDialog,
                              {{kTypedPrxthField, "-80"}, {kTypedBerField, "-5"}}, {kOkButton});
             t.click(kPtxChoiceOther);
             t.click(kPrxthChoiceOther);
         },
         25.5, -80, -5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop.selection.branchingLossSet = 1;
        c.act(*this);
        command(Command::RadioPage);
        const HopRecord& record = session.hop.record;
        EXPECT_EQ(record.ptxDbm, c.ptxDbm);
        EXPECT_EQ(record.prxthDbm, c.prxthDbm);
        EXPECT_EQ(record.berExponent, c.berExponent);
        EXPECT_EQ(session.hop.selection.branchingLossSet, c.branchingLossSet);
    }
    EXPECT_EQ(session.hop.record.radioName.str(), "MW 15-8");
    EXPECT_EQ(session.hop.record.frequencyGHz, 15);
}

TEST_F(RadioPageTest, CommittingBelow6GHzMarksTheRainResultNotComputed) {
    for (const double frequency : {6.0, 5.8}) {
        session.library.radios[0].frequencyGHz = frequency;
        session.hop.results.rainWorstMonthPct = 0.01;
        EXPECT_TRUE(pageAccepts());
        EXPECT_EQ(session.hop.results.rainWorstMonthPct, frequency < 6 ? -1.0 : 0.01);
    }
}

// Mended: a damaged hop's radio and choices outside the library show and commit its defaults.
TEST_F(RadioPageTest, ChoicesOutsideTheLibraryFallBackToTheRadiosDefaults) {
    command(Command::BasicsPage);
    HopSelection& selection = session.hop.selection;
    selection.radioIndex = 9;
    selection.ptxChoice = 1500;
    selection.prxthChoice = 900;
    command(Command::RadioPage);
    EXPECT_EQ(page().text(kRadioNameLabel), "OTHER");
    EXPECT_TRUE(pageAccepts());
    EXPECT_EQ(std::pair(session.hop.record.ptxDbm, session.hop.record.prxthDbm),
              std::pair(27.0, -78.0));
}

} // namespace
} // namespace korvel
