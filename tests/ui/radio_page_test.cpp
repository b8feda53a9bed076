#include "ui/other_radio_dialog.h"
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
    // The texts of the nine value buttons, with the checked ones marked by "*".
    std::string buttons() {
        std::string shown;
        for (const ControlId id : {1008, 1009, 1010, 1014, 1015, 1016, 1017, 1018, 1019, 1020}) {
            shown += page().text(id) + (page().isChecked(id) ? "*|" : "|");
        }
        return shown;
    }
    const FakeDialogView& lastDialog() { return dialogs.ran.back().second; }
};

TEST_F(RadioPageTest, ShowsTheCommittedRadioAndOffersOnlyButtonsWithValues) {
    EXPECT_EQ(page().get(kRadioList).rows,
              (std::vector<std::string>{"MW 7.5-34", "MW 15-8", "OTHER"}));
    EXPECT_EQ(page().selectedRow(kRadioList), 0);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 7.5-34");
    EXPECT_EQ(page().text(kRadioFrequencyLabel), "7.5");
    EXPECT_EQ(page().text(kPrxthGroup), "Prxth");
    // Each threshold column says the bit error rate it holds for.
    EXPECT_EQ(page().text(kPrxthLeftBerLabel), "BER 10^-3");
    EXPECT_EQ(page().text(kPrxthRightBerLabel), "BER 10^-6");
    EXPECT_EQ(buttons(), "30.0|27.0*| -||-82.0|-80.5| -|-78.0*|-76.5| -|");
    for (const ControlId id : {1010, 1017, 1008}) {
        click(id);
    }
    EXPECT_EQ(buttons(), "30.0*|27.0| -||-82.0|-80.5| -|-78.0*|-76.5| -|");
}

TEST_F(RadioPageTest, AnotherRadioShowsItsDefaultsAndResetTheCommittedOne) {
    session.library.radios[1].berExponent = {-6, -6};
    select(1);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 15-8");
    EXPECT_EQ(page().text(kPrxthGroup), "Prxth Ber:10-6");
    EXPECT_EQ(buttons(), "30.0*|27.0| -||-82.0*|-80.5| -|-78.0|-76.5| -|");
    click(kRadioResetButton);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 7.5-34");
    EXPECT_EQ(buttons(), "30.0|27.0*| -||-82.0|-80.5| -|-78.0*|-76.5| -|");
}

TEST_F(RadioPageTest, TheOtherRadioDialogChecksInOrder) {
    const struct {
        const char* name;
        Typed typed;
        std::string message; // empty: accepted
        ControlId focus;
    } cases[] = {
        // clang-format off
        {"56.9 GHz", {{kOtherFrequencyField, "56.9"}, {kOtherPtxField, "20"},
                      {kOtherNameField, "A NAME OF TWENTY-FIVE CHR"}, {kOtherPrxthField, "-70"}},
         "", 0},
        {"60 GHz", {{kOtherFrequencyField, "60"}}, "Frequency must be under 57 GHz.",
         kOtherFrequencyField},
        {"negative bit rate", {{kOtherBitRateField, "-1"}}, "Invalid data.", kOtherBitRateField},
        {"threshold", {{kOtherFrequencyField, "7"}, {kOtherPrxthField, "8-0"}}, "Invalid data.",
         kOtherPrxthField},
        {"exponent", {{kOtherFrequencyField, "7"}, {kOtherBerField, "e"}}, "Invalid data.",
         kOtherBerField},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        dialogs.answer(DialogId::OtherRadio, c.typed, {kOkButton, kCancelButton});
        select(2);
        const bool accepted = c.message.empty();
        EXPECT_EQ(boxTexts(), accepted ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(lastDialog().focus, c.focus ? std::optional(c.focus) : std::nullopt);
        // Cancelled, the page shows the committed radio again.
        EXPECT_EQ(page().selectedRow(kRadioList), accepted ? 2 : 0);
        EXPECT_EQ(session.hop.selection.otherRadio, accepted);
        EXPECT_EQ(window.menuEnabled.at(Command::Save), !accepted);
        EXPECT_TRUE(page().windowEnabled);
        if (accepted) { // one power and one threshold; the right column keeps the library's
            EXPECT_EQ(page().text(kRadioNameLabel), "A NAME OF TWENTY-F");
            EXPECT_EQ(buttons(), "20.0*| -| -||-70.0*| -| -|-78.0|-76.5| -|");
        }
        select(0);
    }
    // Mended: a refused OK stores nothing, so 60 GHz cannot reach the hop through the entry.
    EXPECT_EQ(session.library.radios[2].frequencyGHz, 56.9);
}

// Fixed: an OTHER radio's name Windows-1252 cannot hold reached the hop as "?".
TEST_F(RadioPageTest, AnOtherRadioNameWindows1252CannotHoldIsRefused) {
    dialogs.script(DialogId::OtherRadio, [](FakeDialogView& view, DialogEvents& events) {
        view.controls[kOtherNameField].textFits = false;
        events.onCommand(kOkButton);
        events.onCommand(kCancelButton);
    });
    select(2);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"The text of Radio name holds characters that "
                                                   "Windows-1252 cannot store."});
    EXPECT_EQ(lastDialog().focus, std::optional(kOtherNameField));
    EXPECT_FALSE(session.hop.selection.otherRadio);
}

// radio_page.scn plays a threshold of -80 at 10^-3 taken.
TEST_F(RadioPageTest, TypedPowerAndThresholdMustBeUsable) {
    const struct {
        const char* name;
        ControlId button;
        Typed typed;
        ControlId refusedFocus; // 0: accepted
    } cases[] = {
        // clang-format off
        {"power 0", kPtxChoiceOther, {{kTypedPtxField, "0"}}, kTypedPtxField},
        {"power 25.5", kPtxChoiceOther, {{kTypedPtxField, "25.5"}}, 0},
        {"threshold 0", kPrxthChoiceOther, {{kTypedPrxthField, "0"}, {kTypedBerField, "-3"}},
         kTypedPrxthField},
        {"exponent x", kPrxthChoiceOther, {{kTypedPrxthField, "-80"}, {kTypedBerField, "x"}},
         kTypedBerField},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        click(kRadioResetButton);
        const HopSelection before = session.hop.selection;
        const bool power = c.button == kPtxChoiceOther;
        dialogs.answer(power ? DialogId::PtxDialog : DialogId::PrxthDialog, c.typed,
                       {kOkButton, kCancelButton});
        click(c.button);
        const bool accepted = c.refusedFocus == 0;
        const ControlId committed = power ? 1009 : 1018;
        EXPECT_EQ(page().isChecked(c.button), accepted);
        EXPECT_EQ(page().isChecked(committed), !accepted);
        EXPECT_EQ(page().focus, accepted ? c.button : committed);
        EXPECT_EQ(messages.beepCount(), accepted ? 0u : 1u);
        if (!accepted) {
            EXPECT_EQ(messages.boxes().at(0).caption, "Error");
            EXPECT_EQ(lastDialog().focus, c.refusedFocus);
            // Mended: a refused value does not replace the one typed before.
            EXPECT_EQ(session.hop.selection.otherPtxText, before.otherPtxText);
            EXPECT_EQ(session.hop.selection.otherPrxthText, before.otherPrxthText);
            EXPECT_EQ(session.hop.selection.otherBerExponent, before.otherBerExponent);
        }
    }
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
