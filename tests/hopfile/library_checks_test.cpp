#include <gtest/gtest.h>

#include <string>

#include "hopfile/library_checks.h"
#include "support/recording_messages.h"
#include "support/test_hop.h"
#include "support/test_library.h"

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

class LibraryChecks : public testing::Test {
  protected:
    EquipmentLibrary library_ = makeTestLibrary();
    HopState hop_ = test::makeTestHop();
    RecordingMessages messages_;
};

TEST_F(LibraryChecks, RadioIsFoundAtItsIndexOrByNameElseFails) {
    std::swap(library_.radios[0], library_.radios[1]); // the hop's radio moved to index 1
    for (const int index : {1, 0, -4, 3, 32000}) {
        hop_.selection.radioIndex = static_cast<std::int16_t>(index);
        EXPECT_TRUE(checkRadio(hop_, library_, messages_)) << index;
        EXPECT_EQ(hop_.selection.radioIndex, 1) << index;
    }
    EXPECT_TRUE(messages_.events().empty());

    library_.radios[1].name.assign("mw 7.5-34"); // names compare case-sensitively
    hop_.selection.radioIndex = 7;
    EXPECT_FALSE(checkRadio(hop_, library_, messages_));
    expectWarning(messages_, "Cannot load the file : current Korvel library does not have the "
                             "radio used in the hop file - MW 7.5-34.");
    EXPECT_EQ(hop_.selection.radioIndex, 7);
}

// Bit 0: station 1, bit 1: station 2, bit 2: diversity antenna not in the library.
TEST_F(LibraryChecks, MissingAntennasAreListedInOneMessage) {
    const std::pair<int, const char*> cases[] = {{1, " Station1 "},
                                                 {2, " Station2 "},
                                                 {4, " Diversity. "},
                                                 {3, " Station1 and Station2 "},
                                                 {5, " Station1 and Diversity. "},
                                                 {6, " Station2 and Diversity. "},
                                                 {7, " Station1 , Station2 and Diversity. "}};
    for (const auto& [missing, list] : cases) {
        SCOPED_TRACE(list);
        HopState hop = test::makeTestHop();
        hop.record.diversityMode = DiversityMode::Space;
        hop.selection.antennaIndex[kDiversityAntenna] = 4;
        hop.record.antenna1DiameterM = (missing & 1) != 0 ? 1.9 : 1.8;
        hop.record.antenna2DiameterM = (missing & 2) != 0 ? 2.0 : 2.4;
        hop.record.diversityDiameterM = (missing & 4) != 0 ? 4.5 : 3.0;
        RecordingMessages messages;
        checkAntennas(hop, library_, messages);
        expectWarning(messages, kAntennaMessage + list);
        for (std::size_t a = 0; a < 3; ++a) {
            const bool flagged = (missing >> a & 1) != 0;
            EXPECT_EQ(hop.selection.userDiameter[a], flagged ? 1 : 0) << a;
            EXPECT_EQ(hop.selection.userGain[a], flagged || a == kAntenna2 ? 1 : 0) << a;
        }
    }
}

TEST_F(LibraryChecks, DiameterMatchesWithinATenthOfAMillimetre) {
    for (const auto& [diameterM, matches] :
         {std::pair{1.2, true}, std::pair{1.20005, true}, std::pair{1.2002, false}}) {
        library_.antennaTables[0].diameterM[1] = diameterM;
        HopState hop = test::makeTestHop();
        hop.record.antenna1DiameterM = 1.2;
        hop.selection.antennaIndex[kAntenna1] = 0; // found by search, not at its index
        RecordingMessages messages;
        checkAntennas(hop, library_, messages);
        EXPECT_EQ(messages.events().empty(), matches) << diameterM;
        EXPECT_EQ(hop.selection.userDiameter[kAntenna1], matches ? 0 : 1) << diameterM;
        EXPECT_EQ(hop.selection.antennaIndex[kAntenna1], matches ? 1 : 0) << diameterM;
    }
}

TEST_F(LibraryChecks, UserDiametersAndUnusedDiversityAntennaAreNeverReported) {
    hop_.record.antenna1DiameterM = 1.9;
    hop_.selection.userDiameter[kAntenna1] = 1;
    hop_.record.antenna2DiameterM = 2.0;
    hop_.selection.userDiameter[kAntenna2] = 1;
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
    EXPECT_EQ(hop_.selection.antennaIndex, (std::array<std::int16_t, 3>{2, 5, 5})); // 6 diameters
    EXPECT_EQ(hop_.selection.userDiameter[kAntenna2], 1);

    hop_.record.antennaType = static_cast<AntennaType>(4242); // no diameters at all
    hop_.selection.userDiameter = {0, 0, 0};
    RecordingMessages messages;
    checkAntennas(hop_, library_, messages);
    expectWarning(messages, kAntennaMessage + " Station1 and Station2 ");
    EXPECT_EQ(hop_.selection.antennaIndex, (std::array<std::int16_t, 3>{0, 0, 0}));
}

TEST_F(LibraryChecks, FeederFlagsAndAWarningBelow20GHz) {
    // A 2.5 GHz single-frequency table that a coax hop must never use; Air lists no 2.5 GHz.
    library_.feederTables.push_back(library_.feederTables[3]);
    library_.feederTables.back().frequencyGHz[0] = 2.5;
    library_.feederTypeCount.push_back(3);
    library_.frequencyCount.push_back(1);
    library_.feederTables[1].frequencyGHz[3] = 2.6;
    const auto foam = FeederInsulation::Foam;
    const struct {
        double frequencyGHz;
        FeederInsulation insulation;
        bool found;
        bool message;
    } cases[] = {{7.5, foam, true, false},
                 {15.00005, foam, true, false}, // within a ten-thousandth
                 {15.0002, foam, false, true},
                 {7.0, foam, false, true},
                 {19.99, foam, false, true},
                 {20.0, foam, false, false}, // silent from 20 GHz
                 {23.0, foam, false, false},
                 {2.5, foam, true, false}, // coax of its insulation
                 {2.5, FeederInsulation::Air, false, true},
                 {2.5, static_cast<FeederInsulation>(1113), false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequencyGHz);
        HopState hop = test::makeTestHop();
        hop.record.frequencyGHz = c.frequencyGHz;
        hop.record.feederInsulation = c.insulation;
        RecordingMessages messages;
        checkFeeders(hop, library_, messages);
        const std::int16_t flag = c.found ? 0 : 1;
        EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{flag, flag}));
        if (c.message) {
            expectWarning(messages, kFeederMessage);
        } else {
            EXPECT_TRUE(messages.events().empty());
        }
    }
}

} // namespace
} // namespace korvel
