// The profile study both programs show: heights rounded up to the decimetre still meet their
// rules at the edge, and the note on station heights the sites would give otherwise.

#include <gtest/gtest.h>

#include "engine/hop_record.h"
#include "geo/profile_study.h"

namespace korvel {
namespace {

// A 150 m hill midway on 40 km at 7.5 GHz, stations at 120 and 35 m: 1.0 F1 at 4/3 needs the
// line at 150 + 23.54 + 19.99 = 193.54 m there, equal antennas 116.04 m; antenna 1 kept at
// 100 m (tip at 220 m), antenna 2 at 220 - 2 · 26.46 - 35 = 132.07 m.
class HillStudy : public ::testing::Test {
  protected:
    TerrainProfile profile{{0.0, 0.0}, {20.0, 150.0}, {40.0, 0.0}};
    StudiedHop hop{{120.0, 35.0}, {100.0, 65.0}, 7.5, std::nullopt};
    std::vector<ClearanceRule> rules{{1.0, 4.0 / 3.0}, {0.0, 1e9}};

    [[nodiscard]] bool meets(AntennaHeights heights) const {
        const AntennaTips tips{hop.stations.station1M + heights.antenna1M,
                               hop.stations.station2M + heights.antenna2M};
        return ruleMet(profile, tips, hop.frequencyGHz, rules[0]);
    }
};

TEST_F(HillStudy, HeightsAreRoundedUpAndMeetTheRuleADecimetreLowerMisses) {
    const ProfileStudy study = studyProfile(profile, hop, 4.0 / 3.0, rules, FixedStation::Station1);
    EXPECT_DOUBLE_EQ(study.lowestEqual.antenna1M, 116.1) << "116.04 m, up to the decimetre";
    EXPECT_DOUBLE_EQ(study.lowestEqual.antenna2M, 116.1);
    EXPECT_TRUE(meets(study.lowestEqual));
    EXPECT_FALSE(meets({116.0, 116.0}));

    ASSERT_TRUE(study.lowestWithFixedEnd);
    EXPECT_EQ(study.lowestWithFixedEnd->antenna1M, 100.0) << "the fixed end keeps its height";
    EXPECT_DOUBLE_EQ(study.lowestWithFixedEnd->antenna2M, 132.1);
    EXPECT_TRUE(meets(*study.lowestWithFixedEnd));
    EXPECT_FALSE(meets({100.0, 132.0}));

    // The line at 160 m midway clears the hill but not the Fresnel zone.
    EXPECT_EQ(study.rulesMet, (std::vector<bool>{false, true}));
    EXPECT_EQ(study.analysis.samples.size(), 3u);
    EXPECT_FALSE(studyProfile(profile, hop, 1.0, rules).lowestWithFixedEnd);
}

// The line from antenna 1's tip at 220 m to the diversity antenna's at 90 m passes 155 m midway,
// below the hill; 0.6 F1 (12.00 m) over hill and bulge needs it at 185.54 m, so the diversity
// antenna's tip at 151.08 m, 116.08 m above station 2.
TEST_F(HillStudy, TheDiversityAntennaKeepsItsOwnRuleFromAntenna1) {
    const ClearanceRule lower{0.6, 4.0 / 3.0};
    EXPECT_FALSE(studyProfile(profile, hop, 4.0 / 3.0, rules, std::nullopt, lower).diversity)
        << "not a space-diversity hop";
    hop.diversitySpacingM = 10.0;
    const ProfileStudy study = studyProfile(profile, hop, 4.0 / 3.0, rules, std::nullopt, lower);
    ASSERT_TRUE(study.diversity);
    EXPECT_EQ(study.diversity->antennaM, 55.0);
    EXPECT_FALSE(study.diversity->ruleMet);
    EXPECT_DOUBLE_EQ(study.diversity->lowestM, 116.1);
    EXPECT_DOUBLE_EQ(study.lowestEqual.antenna1M, 116.1) << "the main antennas' own search";
}

TEST(UpToDecimetre, KeepsAWholeDecimetreAndRaisesAnythingAbove) {
    EXPECT_DOUBLE_EQ(upToDecimetre(116.0), 116.0);
    EXPECT_DOUBLE_EQ(upToDecimetre(116.0 + 1e-12), 116.0) << "float noise of the search";
    EXPECT_DOUBLE_EQ(upToDecimetre(116.0 + 1e-6), 116.1);
    EXPECT_DOUBLE_EQ(upToDecimetre(116.04), 116.1);
    EXPECT_EQ(upToDecimetre(0.0), 0.0);
}

TEST(StationHeightsNote, NamesOnlyTheStationsWhoseSiteGivesAnotherDecimetre) {
    HopRecord record;
    record.station1HeightM = 120.0;
    record.station2HeightM = 35.0;
    HopSites sites;
    EXPECT_FALSE(stationHeightsNote(record, sites)) << "no sites";
    sites.stations = {SitePosition{60.0, 25.0, 120.04}, SitePosition{60.3, 25.3, 35.0}};
    EXPECT_FALSE(stationHeightsNote(record, sites));
    sites.stations[1]->groundElevationM = 41.26;
    EXPECT_EQ(stationHeightsNote(record, sites),
              "the study uses the hop's station heights, not the sites' ground elevations: "
              "station 2 35.0 m (site 41.3 m)");
}

TEST(ClearanceRuleSets, EveryNameGivesItsOwnSet) {
    for (const ClearanceRuleSetEntry& entry : kClearanceRuleSets) {
        ASSERT_TRUE(clearanceRuleSetNamed(entry.name)) << entry.name;
        EXPECT_EQ(clearanceRuleSetNamed(entry.name)->set, entry.set);
        EXPECT_DOUBLE_EQ(clearanceRules(entry.set, 40.0)[1].c, entry.keFraction);
    }
    EXPECT_FALSE(clearanceRuleSetNamed("Tropical"));
}

} // namespace
} // namespace korvel
