// Resetting the hop state, and the results panel text made from it.
#include <gtest/gtest.h>

#include <string>

#include "engine/hop_reset.h"
#include "engine/results_panel.h"
#include "sample_hops.h"

namespace korvel {
namespace {

template <std::size_t n> using Ints = std::array<std::int16_t, n>;

TEST(HopReset, NewGivesTheDefaultsButKeepsReservedFieldsAndGeoclimaticResults) {
    HopState hop = testing::sample7500MHzHop();
    HopRecord& r = hop.record;
    r.reserved1 = 12.5;
    r.diversityMode = DiversityMode::Space;
    r.usageMode = UsageMode::Hsb;
    r.polarization = Polarization::Horizontal;
    hop.results = {.cLat = 0.6, .cLon = -0.3, .K = 3.2e-5, .M = 30.0, .Ism = 5.0};
    hop.selection.antennaIndex = {0, 1, 2};
    resetHopRecord(r);
    resetHopResults(hop.results);
    resetHopSelection(hop, FirstRadioDefaults{1, 2});
    EXPECT_EQ(std::tuple(r.selectiveFading, r.diversityMode, r.usageMode, r.polarization),
              std::tuple(SelectiveFading::No, DiversityMode::No, UsageMode::Single,
                         Polarization::Vertical));
    EXPECT_EQ(std::tuple(r.reserved1, r.hopLengthKm, r.antennaSpacingM, r.connector1LossDb,
                         r.connector2LossDb, r.rainRateMmH, r.outageObjectivePct, r.pLPct),
              std::tuple(12.5, 0.0, 10.0, 0.5, 0.5, 22.0, 0.005, 1.0));
    EXPECT_EQ(r.modeText.view(), " - / -");
    const HopResults& out = hop.results;
    EXPECT_EQ(std::tuple(out.cLat, out.cLon, out.K), std::tuple(0.6, -0.3, 3.2e-5));
    EXPECT_EQ(std::tuple(out.M, out.Ism, out.rainWorstMonthPct, out.rainAnnualPct),
              std::tuple(0.0, 0.0, -1.0, -1.0));
    const HopSelection& s = hop.selection;
    EXPECT_EQ((Ints<3>{s.ptxChoice, s.prxthChoice, s.otherBerExponent}), (Ints<3>{1009, 1017, -3}));
    EXPECT_EQ(s.antennaIndex, (Ints<3>{3, 3, 3}));
    EXPECT_EQ(s.feederIndex, (Ints<2>{1, 1}));
}

TEST(HopReset, AntennaAndFeederSelectionFollowTypeAndInsulation) {
    HopSelection s;
    s.userDiameter = s.userGain = {1, 1, 1};
    s.userFeederLoss = {1, 1};
    resetAntennaSelection(s, AntennaType::ParabGrid);
    EXPECT_EQ(std::tuple(s.antennaIndex, s.userDiameter, s.userGain),
              std::tuple(Ints<3>{}, Ints<3>{}, Ints<3>{}));
    resetFeederSelection(s, FeederInsulation::Both);
    EXPECT_EQ(std::tuple(s.feederIndex, s.userFeederLoss), std::tuple(Ints<2>{3, 3}, Ints<2>{}));
    resetFeederSelection(s, FeederInsulation::Air);
    EXPECT_EQ(s.feederIndex, (Ints<2>{1, 1}));
    resetFeederSelection(s, static_cast<FeederInsulation>(0));
    EXPECT_EQ(s.feederIndex, Ints<2>{});
}

TEST(FixedText, CutsToFieldAndKeepsTerminator) {
    FixedText<5> text;
    text.assign("abcdefgh");
    EXPECT_EQ(text.view(), "abcd");
    EXPECT_EQ(text.bytes[4], '\0');
}

const std::string kBlank(41, ' ');

HopState panelHop(SelectiveFading selective, DiversityMode diversity) {
    HopState hop;
    hop.record.selectiveFading = selective;
    hop.record.diversityMode = diversity;
    // cLat cLon K Lc1 Lc2 Lo Lho Prx M Msm pfm psm pfmd psmd p pd Ifm Ism, rain outages.
    hop.results = {0,        0,        3.2e-5, 0,        0,        142.04,   69.29,
                   -39.29,   35.71,    35.53,  0.041426, 0.043188, 0.003434, 0.003581,
                   0.084613, 0.007016, 12.06,  0,        -1,       -1};
    return hop;
}

TEST(ResultsPanel, BothBlocksWithBlankLinesForWhatTheHopDoesNotUse) {
    const std::string budget = "K   :                    3.200e-05      \n"
                               "Free space loss:             142.0   dB  "
                               "Non-faded hop loss:           69.3   dB  "
                               "Unfaded received power:      -39.3   dBm "
                               "Flat fading margin:           35.7   dB  ";
    const std::string flat = "Flat outage time:             0.04143 % ";
    const std::string total = "Total outage w/o diversity:   0.08461 % ";
    const std::string diversity = "With diversity:                          "
                                  "Diversity improvement Ifm:    12.1       "
                                  "Flat outage with diversity:   0.00343 % ";
    const std::string totalWith = "Total outage with diversity:  0.00702 % ";
    const auto selective =
        resultsPanelText(panelHop(SelectiveFading::Standard, DiversityMode::Space));
    EXPECT_EQ(selective.upper, budget + "Selective fading margin:      35.5   dB  " + flat +
                                   "Selective outage time:        0.04319 % " + total);
    EXPECT_EQ(selective.lower, diversity + "Sel. outage with diversity:   0.00358 % " + totalWith);
    const auto flatOnly = resultsPanelText(panelHop(SelectiveFading::No, DiversityMode::Freq));
    EXPECT_EQ(flatOnly.upper, budget + kBlank + flat + kBlank + total);
    EXPECT_EQ(flatOnly.lower, diversity + kBlank + totalWith);
    EXPECT_FALSE(resultsPanelText(panelHop(SelectiveFading::No, DiversityMode::No)).lower);
}

TEST(ResultsPanel, ImprovementShownIsCappedAbove999_9) {
    HopState hop = panelHop(SelectiveFading::No, DiversityMode::Space);
    for (auto [ifm, shown] : {std::pair{999.9, "999.9"}, {999.91, "1000.0"}, {1e300, "1000.0"}}) {
        hop.results.Ifm = ifm;
        const std::string line = std::string("Diversity improvement Ifm:   ") + shown + "       ";
        EXPECT_NE(resultsPanelText(hop).lower->find(line), std::string::npos) << ifm;
    }
}

TEST(ResultsPanel, WideValuesWidenTheirEntry) {
    HopState hop = panelHop(SelectiveFading::No, DiversityMode::No);
    hop.results.K = 1.5e-100; // three-digit exponent
    hop.results.Lo = 1e120;   // printed whole, not cut
    const std::string upper = resultsPanelText(hop).upper;
    EXPECT_EQ(upper.substr(0, 42), "K   :                    1.500e-100      \n");
    const std::size_t value = upper.find("Free space loss:             99999999999999998");
    ASSERT_NE(value, std::string::npos);
    // 120 digits (the double just below 1e120), the point and one decimal, then the unit and the
    // next entry.
    EXPECT_EQ(upper.substr(value + 29 + 122, 30), "   dB  Non-faded hop loss:    ");
}

} // namespace
} // namespace korvel
