#include <gtest/gtest.h>

#include <string>

#include "hopfile/library_checks.h"
#include "hopfile/test_hop.h"
#include "library/test_library.h"
#include "platform/recording_messages.h"

namespace korvel {
namespace {

const std::string kAntennaMessage =
    "Current Korvel library does not have the antenna diameter(s) used in the hopfile. Pressing "
    "the antenna selection buttons in the Formpage will destroy the current diameter value. The "
    "antenna(s) in question: ";

const std::string kFeederMessage =
    "Current Korvel library does not have feeders for the frequency used in the hopfile. "
    "Pressing the feeder thickness selection buttons in the Formpage will destroy the current "
    "value for feeder loss/100m. In addition, optimization should not be used.";

// One beep, then one box with the caption, an exclamation icon and an OK button.
void expectWarning(const RecordingMessages& messages, const std::string& text) {
    ASSERT_EQ(messages.events().size(), 2u);
    EXPECT_EQ(messages.events()[0].kind, MessageEvent::Kind::Beep);
    const MessageEvent& box = messages.events()[1];
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Korvel");
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

class LibraryChecks : public testing::Test {
  protected:
    EquipmentLibrary library_ = makeTestLibrary();
    HopState hop_ = makeTestHop();
    RecordingMessages messages_;
};

TEST_F(LibraryChecks, RadioAtItsIndexIsFound) {
    EXPECT_TRUE(checkRadio(hop_, library_, messages_));
    EXPECT_EQ(hop_.selection.radioIndex, 0);
    EXPECT_TRUE(messages_.events().empty());
}

TEST_F(LibraryChecks, MovedRadioIsFoundByName) {
    std::swap(library_.radios[0], library_.radios[1]);
    EXPECT_TRUE(checkRadio(hop_, library_, messages_));
    EXPECT_EQ(hop_.selection.radioIndex, 1);
    EXPECT_TRUE(messages_.events().empty());
}

TEST_F(LibraryChecks, RadioIndexOutsideTheListIsFoundByName) {
    for (const std::int16_t index : {std::int16_t{-4}, std::int16_t{3}, std::int16_t{32000}}) {
        hop_.selection.radioIndex = index;
        EXPECT_TRUE(checkRadio(hop_, library_, messages_));
        EXPECT_EQ(hop_.selection.radioIndex, 0);
    }
}

TEST_F(LibraryChecks, RadioGoneFailsWithItsName) {
    library_.radios[0].name.assign("mw 7.5-34"); // names compare case-sensitively
    hop_.selection.radioIndex = 7;
    EXPECT_FALSE(checkRadio(hop_, library_, messages_));
    expectWarning(messages_, "Cannot load the file : current Korvel library does not have the "
                             "radio used in the hop file - MW 7.5-34.");
    EXPECT_EQ(hop_.selection.radioIndex, 7);
}

struct MissingCase {
    const char* name;
    bool antenna1;
    bool antenna2;
    bool diversity;
    const char* list;
};

class MissingAntennas : public testing::TestWithParam<MissingCase> {};

TEST_P(MissingAntennas, AreListedInOneMessage) {
    const MissingCase& c = GetParam();
    const EquipmentLibrary library = makeTestLibrary();
    HopState hop = makeTestHop();
    hop.record.diversityMode = DiversityMode::Space;
    hop.record.diversityDiameterM = 3.0;
    hop.selection.antennaIndex[kDiversityAntenna] = 4;
    if (c.antenna1) {
        hop.record.antenna1DiameterM = 1.9;
    }
    if (c.antenna2) {
        hop.record.antenna2DiameterM = 2.0;
    }
    if (c.diversity) {
        hop.record.diversityDiameterM = 4.5;
    }
    RecordingMessages messages;
    checkAntennas(hop, library, messages);
    expectWarning(messages, kAntennaMessage + c.list);
    const std::array<bool, 3> missing{c.antenna1, c.antenna2, c.diversity};
    for (std::size_t a = 0; a < 3; ++a) {
        EXPECT_EQ(hop.selection.userDiameter[a], missing[a] ? 1 : 0) << a;
        EXPECT_EQ(hop.selection.userGain[a], missing[a] || a == kAntenna2 ? 1 : 0) << a;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MissingAntennas,
    testing::Values(
        MissingCase{"Station1", true, false, false, " Station1 "},
        MissingCase{"Station2", false, true, false, " Station2 "},
        MissingCase{"Diversity", false, false, true, " Diversity. "},
        MissingCase{"Stations1And2", true, true, false, " Station1 and Station2 "},
        MissingCase{"Station1AndDiversity", true, false, true, " Station1 and Diversity. "},
        MissingCase{"Station2AndDiversity", false, true, true, " Station2 and Diversity. "},
        MissingCase{"AllThree", true, true, true, " Station1 , Station2 and Diversity. "}),
    [](const testing::TestParamInfo<MissingCase>& testCase) {
        return std::string(testCase.param.name);
    });

struct DiameterCase {
    const char* name;
    double libraryDiameterM;
    bool matches;
};

class DiameterTolerance : public testing::TestWithParam<DiameterCase> {};

TEST_P(DiameterTolerance, MatchesWithinATenthOfAMillimetre) {
    EquipmentLibrary library = makeTestLibrary();
    library.antennaTables[0].diameterM[1] = GetParam().libraryDiameterM;
    HopState hop = makeTestHop();
    hop.record.antenna1DiameterM = 1.2;
    hop.selection.antennaIndex[kAntenna1] = 0; // found by search, not at its index
    RecordingMessages messages;
    checkAntennas(hop, library, messages);
    EXPECT_EQ(messages.events().empty(), GetParam().matches);
    EXPECT_EQ(hop.selection.userDiameter[kAntenna1], GetParam().matches ? 0 : 1);
    if (GetParam().matches) {
        EXPECT_EQ(hop.selection.antennaIndex[kAntenna1], 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, DiameterTolerance,
                         testing::Values(DiameterCase{"Exact", 1.2, true},
                                         DiameterCase{"HalfATenthMillimetre", 1.20005, true},
                                         DiameterCase{"TwoTenthsMillimetre", 1.2002, false}),
                         [](const testing::TestParamInfo<DiameterCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST_F(LibraryChecks, UserDiameterIsNeverReported) {
    hop_.record.antenna1DiameterM = 1.9;
    hop_.selection.userDiameter[kAntenna1] = 1;
    library_.diameterCount[0] = 0;
    hop_.record.antenna2DiameterM = 2.4;
    hop_.selection.userDiameter[kAntenna2] = 1;
    checkAntennas(hop_, library_, messages_);
    EXPECT_TRUE(messages_.events().empty());
}

TEST_F(LibraryChecks, DiversityAntennaOnlyCheckedWithSpaceDiversity) {
    hop_.record.diversityDiameterM = 9.9;
    for (const DiversityMode mode : {DiversityMode::No, DiversityMode::Freq}) {
        hop_.record.diversityMode = mode;
        checkAntennas(hop_, library_, messages_);
        EXPECT_TRUE(messages_.events().empty());
        EXPECT_EQ(hop_.selection.userDiameter[kDiversityAntenna], 0);
    }
}

TEST_F(LibraryChecks, AntennaIndexOutsideTheTableIsSearchedThenKeptInside) {
    hop_.selection.antennaIndex = {-1, 40, 25}; // antenna 1 found by its diameter
    hop_.record.antenna2DiameterM = 2.0;        // antenna 2 missing
    hop_.selection.userDiameter[kDiversityAntenna] = 1;
    checkAntennas(hop_, library_, messages_);
    EXPECT_EQ(hop_.selection.antennaIndex[kAntenna1], 2);
    EXPECT_EQ(hop_.selection.antennaIndex[kAntenna2], 5);         // last of 6 diameters
    EXPECT_EQ(hop_.selection.antennaIndex[kDiversityAntenna], 5); // not checked, still inside
    EXPECT_EQ(hop_.selection.userDiameter[kAntenna2], 1);
}

TEST_F(LibraryChecks, UnknownAntennaTypeHasNoDiameters) {
    hop_.record.antennaType = static_cast<AntennaType>(4242);
    checkAntennas(hop_, library_, messages_);
    expectWarning(messages_, kAntennaMessage + " Station1 and Station2 ");
    EXPECT_EQ(hop_.selection.antennaIndex, (std::array<std::int16_t, 3>{0, 0, 0}));
}

struct FeederCase {
    const char* name;
    double frequencyGHz;
    FeederInsulation insulation;
    bool found;
    bool message;
};

class FeederCheck : public testing::TestWithParam<FeederCase> {};

TEST_P(FeederCheck, SetsFlagsAndWarnsBelow20GHz) {
    const FeederCase& c = GetParam();
    EquipmentLibrary library = makeTestLibrary();
    // A 2.5 GHz single-frequency table that a coax hop must never use.
    library.feederTables.push_back(library.feederTables[3]);
    library.feederTables.back().frequencyGHz[0] = 2.5;
    library.feederTypeCount.push_back(3);
    library.frequencyCount.push_back(1);
    library.feederTables[1].frequencyGHz[3] = 2.6; // Air lists no 2.5 GHz
    HopState hop = makeTestHop();
    hop.record.frequencyGHz = c.frequencyGHz;
    hop.record.feederInsulation = c.insulation;
    RecordingMessages messages;
    checkFeeders(hop, library, messages);
    const std::int16_t flag = c.found ? 0 : 1;
    EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{flag, flag}));
    if (c.message) {
        expectWarning(messages, kFeederMessage);
    } else {
        EXPECT_TRUE(messages.events().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, FeederCheck,
    testing::Values(
        FeederCase{"SingleFrequencyTable", 7.5, FeederInsulation::Foam, true, false},
        FeederCase{"WithinATenThousandth", 15.00005, FeederInsulation::Foam, true, false},
        FeederCase{"TwoTenThousandthsAway", 15.0002, FeederInsulation::Foam, false, true},
        FeederCase{"SevenGHzMissing", 7.0, FeederInsulation::Foam, false, true},
        FeederCase{"JustBelow20GHz", 19.99, FeederInsulation::Foam, false, true},
        FeederCase{"Exactly20GHzSilent", 20.0, FeederInsulation::Foam, false, false},
        FeederCase{"TwentyThreeGHzSilent", 23.0, FeederInsulation::Foam, false, false},
        FeederCase{"CoaxOfItsInsulation", 2.5, FeederInsulation::Foam, true, false},
        FeederCase{"CoaxOnlyNeverSingleTables", 2.5, FeederInsulation::Air, false, true},
        FeederCase{"InsulationOutsideTheThree", 2.5, static_cast<FeederInsulation>(1113), false,
                   true}),
    [](const testing::TestParamInfo<FeederCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST_F(LibraryChecks, FeederIndexIsKeptInsideTheTypesOfItsTable) {
    hop_.selection.feederIndex = {7, -2}; // table 3 (7.5 GHz) has 3 types
    checkFeeders(hop_, library_, messages_);
    EXPECT_EQ(hop_.selection.feederIndex, (std::array<std::int16_t, 2>{2, 0}));
    EXPECT_EQ(hop_.selection.userFeederLoss, (std::array<std::int16_t, 2>{0, 0}));

    hop_.record.frequencyGHz = 2.0; // coax Air: 2 types
    hop_.record.feederInsulation = FeederInsulation::Air;
    hop_.selection.feederIndex = {1, 3};
    checkFeeders(hop_, library_, messages_);
    EXPECT_EQ(hop_.selection.feederIndex, (std::array<std::int16_t, 2>{1, 1}));
}

} // namespace
} // namespace korvel
