#include <functional>
#include <optional>

#include "ui/other_radio_dialog.h"
#include "ui/radio_page.h"
#include "ui/typed_radio_values.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

using Texts = std::map<ControlId, std::string>;

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
    // Types into the dialog, presses OK, and Cancel when OK refused.
    void answer(DialogId dialog, Texts typed) {
        dialogs.script(dialog, [typed](FakeDialogView& view, DialogEvents& events) {
            for (const auto& [control, text] : typed) {
                view.setText(control, text);
            }
            events.onCommand(kOkButton);
            if (!view.endResult) {
                events.onCommand(kCancelButton);
            }
        });
    }
    Texts buttonTexts() {
        Texts texts;
        for (ControlId id : {1008, 1009, 1010, 1015, 1016, 1017, 1018, 1019, 1020}) {
            texts[id] = page().text(id);
        }
        return texts;
    }
    std::vector<ControlId> checkedButtons() {
        std::vector<ControlId> ids;
        for (ControlId id = 1008; id <= 1021; ++id) {
            if (page().isChecked(id)) {
                ids.push_back(id);
            }
        }
        return ids;
    }
    const FakeDialogView& lastDialog() { return dialogs.ran.back().second; }
};

TEST_F(RadioPageTest, ShowsTheCommittedRadioAndItsValues) {
    EXPECT_EQ(page().rows[kRadioList], (std::vector<std::string>{"MW 7.5-34", "MW 15-8", "OTHER"}));
    EXPECT_EQ(page().selectedRow(kRadioList), 0);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 7.5-34");
    EXPECT_EQ(page().text(kRadioFrequencyLabel), "7.5");
    EXPECT_EQ(page().text(kPrxthGroup), "Prxth");
    EXPECT_EQ(buttonTexts(), (Texts{{1008, "30.0"}, {1009, "27.0"}, {1010, " -"},
                                    {1015, "-82.0"}, {1016, "-80.5"}, {1017, " -"},
                                    {1018, "-78.0"}, {1019, "-76.5"}, {1020, " -"}}));
    EXPECT_EQ(checkedButtons(), (std::vector<ControlId>{1009, 1018}));
    // A button without a value keeps the previous choice.
    click(1010);
    click(1017);
    click(1008);
    EXPECT_EQ(checkedButtons(), (std::vector<ControlId>{1008, 1018}));
}

TEST_F(RadioPageTest, AnotherRadioShowsItsDefaultsAndItsBitErrorRate) {
    session.library.radios[1].berExponent = {-6, -6};
    select(1);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 15-8");
    EXPECT_EQ(page().text(kPrxthGroup), "Prxth Ber:10-6");
    EXPECT_EQ(checkedButtons(), (std::vector<ControlId>{1008, 1015}));
    click(kRadioResetButton);
    EXPECT_EQ(page().text(kRadioNameLabel), "MW 7.5-34");
    EXPECT_EQ(checkedButtons(), (std::vector<ControlId>{1009, 1018}));
}

TEST_F(RadioPageTest, TheOtherRadioDialogChecksInOrder) {
    struct Case {
        const char* name;
        Texts typed;
        std::optional<std::string> message;
        ControlId focus;
    };
    const Case cases[] = {
        {"56.9 GHz accepted", {{kOtherFrequencyField, "56.9"}}, std::nullopt, 0},
        {"60 GHz refused", {{kOtherFrequencyField, "60"}}, "Frequency must be under 57 GHz.",
         kOtherFrequencyField},
        {"negative bit rate", {{kOtherBitRateField, "-1"}}, "Invalid data.", kOtherBitRateField},
        {"threshold not a number",
         {{kOtherFrequencyField, "7.5"}, {kOtherPrxthField, "8-0"}},
         "Invalid data.",
         kOtherPrxthField},
        {"exponent not a number",
         {{kOtherFrequencyField, "7.5"}, {kOtherBerField, "e"}},
         "Invalid data.",
         kOtherBerField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        answer(DialogId::OtherRadio, c.typed);
        select(2);
        EXPECT_TRUE(page().windowEnabled);
        if (c.message) {
            EXPECT_EQ(boxTexts(), std::vector{*c.message});
            EXPECT_EQ(lastDialog().focus, c.focus);
            EXPECT_EQ(page().selectedRow(kRadioList), 0);
            EXPECT_EQ(page().text(kRadioNameLabel), "MW 7.5-34");
        } else {
            EXPECT_TRUE(messages.events().empty());
            EXPECT_EQ(page().text(kRadioNameLabel), "OTHER");
        }
        EXPECT_EQ(session.hop.selection.otherRadio, !c.message);
        EXPECT_EQ(window.menuEnabled.at(Command::Save), c.message.has_value());
        select(0);
    }
    // A frequency stored by a refused OK stays in the library entry.
    EXPECT_EQ(session.library.radios[2].frequencyGHz, 7.5);
}

TEST_F(RadioPageTest, TheOtherRadioOffersOnePowerAndOneThreshold) {
    answer(DialogId::OtherRadio, {{kOtherNameField, "A NAME OF TWENTY-FIVE CHR"},
                                  {kOtherPtxField, "20"}, {kOtherPrxthField, "-70"}});
    select(2);
    EXPECT_EQ(session.library.radios[2].name.str(), "A NAME OF TWENTY-F");
    EXPECT_EQ(buttonTexts(), (Texts{{1008, "20.0"}, {1009, " -"}, {1010, " -"},
                                    {1015, "-70.0"}, {1016, " -"}, {1017, " -"},
                                    {1018, "-78.0"}, {1019, "-76.5"}, {1020, " -"}}));
    EXPECT_EQ(session.library.radios[2].berExponent[1], -6);
}

TEST_F(RadioPageTest, TypedPowerAndThresholdMustBeUsable) {
    struct Case {
        const char* name;
        ControlId button;
        DialogId dialog;
        Texts typed;
        ControlId refusedFocus; // 0: accepted
    };
    const Case cases[] = {
        {"power 0", kPtxChoiceOther, DialogId::PtxDialog, {{kTypedPtxField, "0"}}, kTypedPtxField},
        {"power 25.5", kPtxChoiceOther, DialogId::PtxDialog, {{kTypedPtxField, "25.5"}}, 0},
        {"threshold 0", kPrxthChoiceOther, DialogId::PrxthDialog,
         {{kTypedPrxthField, "0"}, {kTypedBerField, "-3"}}, kTypedPrxthField},
        {"exponent x", kPrxthChoiceOther, DialogId::PrxthDialog,
         {{kTypedPrxthField, "-80"}, {kTypedBerField, "x"}}, kTypedBerField},
        {"threshold -80 at -3", kPrxthChoiceOther, DialogId::PrxthDialog,
         {{kTypedPrxthField, "-80"}, {kTypedBerField, "-3"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        click(kRadioResetButton);
        answer(c.dialog, c.typed);
        click(c.button);
        const ControlId previous = c.button == kPtxChoiceOther ? 1009 : 1018;
        EXPECT_EQ(page().isChecked(c.button), c.refusedFocus == 0);
        EXPECT_EQ(page().isChecked(previous), c.refusedFocus != 0);
        EXPECT_EQ(page().focus, c.refusedFocus == 0 ? c.button : previous);
        if (c.refusedFocus != 0) {
            ASSERT_EQ(messages.boxes().size(), 1u);
            EXPECT_EQ(messages.boxes()[0].caption, "Error");
            EXPECT_EQ(lastDialog().focus, c.refusedFocus);
        }
    }
}

TEST_F(RadioPageTest, CommittingStoresTheChoiceIntoTheHop) {
    struct Case {
        const char* name;
        std::function<void(RadioPageTest&)> act;
        double ptxDbm, prxthDbm;
        int berExponent;
        std::int32_t branchingLossSet;
    };
    const Case cases[] = {
        {"the same radio", [](RadioPageTest& t) { t.click(1008); }, 30, -78, -6, 1},
        {"another radio", [](RadioPageTest& t) { t.select(1); }, 30, -82, -3, 0},
        {"typed values", [](RadioPageTest& t) {
             t.answer(DialogId::PtxDialog, {{kTypedPtxField, "25.5"}});
             t.answer(DialogId::PrxthDialog, {{kTypedPrxthField, "-80"}, {kTypedBerField, "-5"}});
             t.click(kPtxChoiceOther);
             t.click(kPrxthChoiceOther);
         }, 25.5, -80, -5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        command(Command::RadioPage);
        session.hop.selection.branchingLossSet = 1;
        c.act(*this);
        EXPECT_TRUE(pageAccepts());
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

} // namespace
} // namespace korvel
