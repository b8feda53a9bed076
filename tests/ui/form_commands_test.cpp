#include <limits>

#include "engine/calculate_hop.h"
#include "optimize/combination_search.h"
#include "optimize/combination_selection.h"
#include "ui/form_fixture.h"
#include "ui/rain_dialog.h"
#include "ui/results_lines.h"
#include "ui/selection_dialog.h"

namespace korvel {
namespace {

const FakeDialogView& lastDialog(const FakeDialogHost& host, DialogId form) {
    for (auto ran = host.ran.rbegin(); ran != host.ran.rend(); ++ran) {
        if (ran->first == form) {
            return ran->second;
        }
    }
    throw std::logic_error("the dialog did not run");
}

// Mended: a hop whose data slipped past the checks showed "inf %" in the results window and
// saved the non-finite results.
TEST_F(FormTest, ResultsThatAreNotNumbersAreNeitherShownNorKept) {
    openForm();
    click(kCalculateButton);
    ASSERT_TRUE(results.open);
    session.hop.record.pLPct = std::numeric_limits<double>::quiet_NaN(); // not on the Form page
    click(kCalculateButton);
    EXPECT_FALSE(results.open);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{kNotFiniteResultText});
    EXPECT_TRUE(resultsAreFinite(session.hop.results));
}

TEST(ResultsLines, EveryEntryOnItsOwnLineAndLeftOutEntriesBlank) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"first entry ends its line",
         "K   :  1.0e-03 \nFree space loss:",
         {"K   :  1.0e-03", "Free space loss:"}},
        {"41 wide, then 40 wide with a last word that fits",
         std::string(35, 'a') + "   dB " + std::string(37, 'b') + " % " + "c",
         {std::string(35, 'a') + "   dB", std::string(37, 'b') + " % c"}},
        {"left out",
         std::string(37, 'd') + " % " + std::string(41, ' ') + std::string(37, 'e') + " % ",
         {std::string(37, 'd') + " %", "", std::string(37, 'e') + " %"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resultsLines(c.text), c.lines) << c.name;
    }
}

TEST_F(FormTest, RainCalcOpensTheRainDialogFrom6GHzOnly) {
    openForm(DiversityMode::No, 5.9);
    type(kFeeder1LossField, "3.0");
    type(kFeeder2LossField, "3.0");
    click(kRainCalcButton);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "Current formulas for rain attenuation do not support frequencies "
                              "below 6 GHz."});
    EXPECT_TRUE(dialogs.ran.empty());
}

// Mended: a rate the 16-bit field cannot hold was converted with undefined behaviour.
TEST_F(FormTest, RainDialogShowsAHugeStoredRateAsTheLargestWholeNumber) {
    session.hop.record.rainRateMmH = 1e12;
    openForm();
    click(kRainCalcButton);
    EXPECT_EQ(lastDialog(dialogs, DialogId::RainDialog).text(kRainRateField), "32767");
}

TEST_F(FormTest, OptimizeListsTheCombinationsAndTakesTheChosenLine) {
    openForm();
    const SearchOutcome search = searchCombinations(session.hop, session.library);
    ASSERT_GT(search.lists.meetingCount, 0);
    HopState expected = session.hop;
    applyCombination(search.lists, 0, expected);
    dialogs.answer(DialogId::SelectionList, {}, {kOkButton});
    session.hop.selection.userGain = {1, 1, 1};
    click(kOptimizeButton); // opens with line 0 selected: OK takes it
    const FakeDialogView& list = lastDialog(dialogs, DialogId::SelectionList);
    EXPECT_EQ(list.listRowCount(kCombinationList),
              search.lists.meetingCount + search.lists.nearMissCount);
    EXPECT_EQ(list.selectedRow(kCombinationList), 0);
    EXPECT_EQ(list.text(kCombinationHeader), selectionHeader(DiversityMode::No));
    EXPECT_EQ(list.text(kObjectiveLabel), "0.0050");
    EXPECT_EQ(session.hop.selection.antennaIndex, expected.selection.antennaIndex);
    EXPECT_EQ(session.hop.selection.feederIndex, expected.selection.feederIndex);
    EXPECT_EQ(session.hop.selection.userGain, (std::array<std::int16_t, 3>{}));
    EXPECT_TRUE(results.open);

    const HopSelection before = session.hop.selection;
    dialogs.answer(DialogId::SelectionList, {}, {kOkButton});
    EXPECT_EQ(runSelectionDialog(dialogs, session.hop, session.library, CombinationLists{}),
              0); // both lists empty
    EXPECT_EQ(session.hop.selection.antennaIndex, before.antennaIndex);
}

TEST_F(FormTest, OptimizeRefusesTheOtherRadioAndAHopWithoutFeederLosses) {
    const struct {
        const char* name;
        bool otherRadio;
        double frequencyGHz;
        std::string shown;
    } cases[] = {
        {"OTHER radio", true, 7.5, "Optimization not possible when OTHER radio used."},
        {"no feeder losses at 9 GHz", false, 9,
         std::string(searchStatusText(SearchStatus::NoFeederLosses))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop.selection.otherRadio = c.otherRadio;
        openForm(DiversityMode::No, c.frequencyGHz);
        click(kOptimizeButton);
        EXPECT_EQ(boxTexts(), std::vector<std::string>{c.shown});
        EXPECT_EQ(messages.boxes().back().icon, MessageIcon::Information);
        EXPECT_TRUE(dialogs.ran.empty());
    }
}

} // namespace
} // namespace korvel
