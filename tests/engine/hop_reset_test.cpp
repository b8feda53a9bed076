#include <gtest/gtest.h>

#include "engine/hop_reset.h"

namespace korvel {
namespace {

HopState newHop() {
    HopState hop;
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    resetHopSelection(hop, FirstRadioDefaults{1, 2});
    return hop;
}

TEST(HopReset, NewGivesTheDocumentedDefaults) {
    const HopState hop = newHop();
    EXPECT_EQ(hop.record.method, Method::Method2);
    EXPECT_EQ(hop.record.selectiveFading, SelectiveFading::No);
    EXPECT_EQ(hop.record.diversityMode, DiversityMode::No);
    EXPECT_EQ(hop.record.usageMode, UsageMode::Single);
    EXPECT_EQ(hop.record.antennaSpacingM, 10.0);
    EXPECT_EQ(hop.record.connector1LossDb, 0.5);
    EXPECT_EQ(hop.record.connector2LossDb, 0.5);
    EXPECT_EQ(hop.record.rainRateMmH, 22.0);
    EXPECT_EQ(hop.record.polarization, Polarization::Vertical);
    EXPECT_EQ(hop.record.outageObjectivePct, 0.005);
    EXPECT_EQ(hop.record.pLPct, 1.0);
    EXPECT_EQ(hop.record.modeText.view(), " - / -");
    EXPECT_EQ(hop.results.rainWorstMonthPct, -1.0);
    EXPECT_EQ(hop.results.rainAnnualPct, -1.0);
    EXPECT_EQ(hop.selection.ptxChoice, 1009);
    EXPECT_EQ(hop.selection.prxthChoice, 1017);
    EXPECT_EQ(hop.selection.otherBerExponent, -3);
    EXPECT_EQ(hop.selection.antennaIndex, (std::array<std::int16_t, 3>{3, 3, 3}));
    EXPECT_EQ(hop.selection.feederIndex, (std::array<std::int16_t, 2>{1, 1}));
}

TEST(HopReset, KeepsReservedFieldsAndGeoclimaticResults) {
    HopState hop = newHop();
    hop.record.reserved1 = 12.5;
    hop.record.reserved2 = -3.0;
    hop.record.hopLengthKm = 40.0;
    hop.results.cLat = 0.6;
    hop.results.cLon = -0.3;
    hop.results.K = 3.2e-5;
    hop.results.M = 30.0;
    hop.results.Ism = 5.0;
    hop.results.rainAnnualPct = 0.001;
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    EXPECT_EQ(hop.record.reserved1, 12.5);
    EXPECT_EQ(hop.record.reserved2, -3.0);
    EXPECT_EQ(hop.record.hopLengthKm, 0.0);
    EXPECT_EQ(hop.results.cLat, 0.6);
    EXPECT_EQ(hop.results.cLon, -0.3);
    EXPECT_EQ(hop.results.K, 3.2e-5);
    EXPECT_EQ(hop.results.M, 0.0);
    EXPECT_EQ(hop.results.Ism, 0.0);
    EXPECT_EQ(hop.results.rainAnnualPct, -1.0);
}

TEST(HopReset, AntennaAndFeederSelectionFollowTypeAndInsulation) {
    HopSelection selection;
    selection.userDiameter = {1, 1, 1};
    selection.userGain = {1, 0, 1};
    resetAntennaSelection(selection, AntennaType::ParabGrid);
    EXPECT_EQ(selection.antennaIndex, (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(selection.userDiameter, (std::array<std::int16_t, 3>{}));
    EXPECT_EQ(selection.userGain, (std::array<std::int16_t, 3>{}));

    selection.userFeederLoss = {1, 1};
    resetFeederSelection(selection, FeederInsulation::Both);
    EXPECT_EQ(selection.feederIndex, (std::array<std::int16_t, 2>{3, 3}));
    EXPECT_EQ(selection.userFeederLoss, (std::array<std::int16_t, 2>{}));
    resetFeederSelection(selection, FeederInsulation::Air);
    EXPECT_EQ(selection.feederIndex, (std::array<std::int16_t, 2>{1, 1}));
    resetFeederSelection(selection, static_cast<FeederInsulation>(0));
    EXPECT_EQ(selection.feederIndex, (std::array<std::int16_t, 2>{0, 0}));
}

TEST(FixedText, CutsToFieldAndKeepsTerminator) {
    FixedText<5> text;
    text.assign("abcdefgh");
    EXPECT_EQ(text.view(), "abcd");
    EXPECT_EQ(text.bytes[4], '\0');
    text.assign("");
    EXPECT_TRUE(text.empty());
}

} // namespace
} // namespace korvel
