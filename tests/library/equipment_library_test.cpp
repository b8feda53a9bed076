#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "library/byte_io.h"
#include "library/equipment_library.h"
#include "support/test_library.h"

namespace korvel {
namespace {

// A read past the end reads nothing, and once failed even a read that would fit is refused.
TEST(ByteIo, ReadingPastTheEndFailsForGood) {
    const std::vector<std::uint8_t> image{'a', 'b', 3};
    ByteReader in(image);
    EXPECT_EQ(in.readI16(), 0x6261);
    EXPECT_EQ(in.readI16(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.position(), 2u);
    EXPECT_TRUE(in.readBytes(1).empty());
    ByteReader text(image);
    FixedText<4> value;
    text.readText(value);
    EXPECT_FALSE(text.ok());
    EXPECT_TRUE(value.empty());
    ByteReader skip(image);
    skip.skip(4);
    EXPECT_FALSE(skip.ok());
    EXPECT_EQ(skip.readF64(), 0.0);
}

// Indices and choices read from a damaged file find nothing instead of reading past a table.
TEST(EquipmentLibrary, LookupsOutsideTheTablesFindNothing) {
    const EquipmentLibrary library = makeTestLibrary();
    EXPECT_EQ(library.radio(-1), nullptr);
    EXPECT_EQ(library.radio(3), nullptr);
    EXPECT_EQ(library.radio(2)->name.view(), "OTHER");
    EXPECT_EQ(library.diameterCountOf(AntennaType::ParabGrid), 4);
    EXPECT_EQ(library.antennaTable(AntennaType::ParabGrid).diameterM[0], 1.8);
    EXPECT_EQ(library.diameterCountOf(static_cast<AntennaType>(1108)), 0);
    EXPECT_EQ(library.feederTypeCountOf(2), 4);
    EXPECT_EQ(library.feederTypeCountOf(5), 0);
    EXPECT_EQ(library.frequencyCountOf(-1), 0);
    EXPECT_EQ(library.feederTable(5), nullptr);
    EXPECT_EQ(library.feederTypeName(5, 0), "");
    EXPECT_EQ(library.feederTypeName(2, -1), "");
    EXPECT_EQ(library.feederTypeName(2, 4), "");
    const RadioEntry& radio = *library.radio(0);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::No, UsageMode::OnePlusOne), 3.5);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::Space, UsageMode::Hsb), 2.8);
    EXPECT_EQ(radio.branchingLoss(static_cast<DiversityMode>(1116), UsageMode::Single), 0.0);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::Freq, static_cast<UsageMode>(1119)), 0.0);
}

TEST(FeederRow, FindsTableAndRowAtTheEdges) {
    EquipmentLibrary library = makeTestLibrary();
    // Coax tables also list 3 GHz and a frequency that a single-frequency table has.
    library.feederTables[0].frequencyGHz[4] = 3.0;
    library.feederTables[0].frequencyGHz[5] = 7.5;
    library.frequencyCount[0] = 6;
    // A second 7.5 GHz table behind the first, and one for exactly 3 GHz.
    library.feederTables.push_back(library.feederTables[3]);
    library.feederTables.push_back(library.feederTables[3]);
    library.feederTables.back().frequencyGHz[0] = 3.0;
    library.feederTypeCount.insert(library.feederTypeCount.end(), {1, 1});
    library.frequencyCount.insert(library.frequencyCount.end(), {1, 1});
    const auto foam = FeederInsulation::Foam;
    const auto air = FeederInsulation::Air;
    const auto both = FeederInsulation::Both;
    const struct {
        double frequencyGHz;
        FeederInsulation insulation;
        int table;
        int row;
    } cases[] = {{7.5, foam, 3, 0},    // single frequency, exact
                 {7.5, air, 3, 0},     // duplicate table: the lower index wins
                 {15.005, foam, 4, 0}, // half a hundredth away
                 {15.02, foam, 0, -1}, // two hundredths away
                 {23.0, both, 0, -1},  // no table
                 {3.0, foam, 0, 4},    // exactly 3 GHz goes to coax
                 {3.0, air, 1, -1},
                 {2.495, both, 2, 3},
                 {2.52, both, 2, -1},
                 {0.9, air, 1, 0},
                 {2.0, static_cast<FeederInsulation>(1113), 0, -1},
                 {2.0, static_cast<FeederInsulation>(1109), 0, -1}};
    for (const auto& c : cases) {
        const FeederPosition position = findFeederRow(library, c.frequencyGHz, c.insulation);
        EXPECT_EQ(position.table, c.table) << c.frequencyGHz;
        EXPECT_EQ(position.row, c.row) << c.frequencyGHz;
    }
}

TEST(FeederRow, CoaxLooksOnlyAtItsListedFrequenciesAndTables) {
    EquipmentLibrary library = makeTestLibrary();
    library.frequencyCount[2] = 2; // 0.9 and 1.5 GHz
    EXPECT_EQ(findFeederRow(library, 1.5, FeederInsulation::Both).row, 1);
    EXPECT_EQ(findFeederRow(library, 2.0, FeederInsulation::Both).row, -1);
    library.frequencyCount[2] = 40; // beyond the 8 slots: only the 8 are looked at
    EXPECT_EQ(findFeederRow(library, 2.5, FeederInsulation::Both).row, 3);
    EXPECT_EQ(findFeederRow(library, 0.0, FeederInsulation::Both).row, 4);
    library.feederTables.resize(1); // no Both table
    library.feederTypeCount.resize(1);
    library.frequencyCount.resize(1);
    const FeederPosition position = findFeederRow(library, 2.0, FeederInsulation::Both);
    EXPECT_EQ(position.table, 0);
    EXPECT_EQ(position.row, -1);
}

} // namespace
} // namespace korvel
