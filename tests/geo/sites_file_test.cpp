#include <gtest/gtest.h>

#include "geo/sites_file.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

HopSites hillAndHarbour() {
    HopSites sites;
    sites.stations[0] = SitePosition{60.2512345678, 24.75, 118.0};
    sites.stations[1] = SitePosition{-33.9, -151.2, 12.5};
    sites.profile = {{0.0, 118.0}, {0.03, 117.2, 15.0, true}, {40.1, 12.5}};
    return sites;
}

TEST(SitesFile, SavesBesideTheHopAndLoadsBackExactly) {
    test::TempFolder folder;
    const auto hop = folder / "LINK7.HOP";
    EXPECT_EQ(sitesFilePath(hop), folder / "LINK7.HOP.sites.json");
    ASSERT_EQ(saveSites(hop, hillAndHarbour()), FileWriteResult::Written);
    const SitesRead read = loadSites(hop);
    ASSERT_EQ(read.status, SitesReadStatus::Read) << read.error;
    const HopSites expected = hillAndHarbour();
    for (std::size_t s = 0; s < 2; ++s) {
        ASSERT_TRUE(read.sites.stations[s]);
        EXPECT_EQ(read.sites.stations[s]->latitudeDeg, expected.stations[s]->latitudeDeg);
        EXPECT_EQ(read.sites.stations[s]->longitudeDeg, expected.stations[s]->longitudeDeg);
        EXPECT_EQ(read.sites.stations[s]->groundElevationM, expected.stations[s]->groundElevationM);
    }
    ASSERT_EQ(read.sites.profile.size(), 3u);
    EXPECT_EQ(read.sites.profile[1].distanceKm, 0.03);
    EXPECT_TRUE(read.sites.profile[1].hasClutter);
    EXPECT_FALSE(read.sites.profile[2].hasClutter);
}

TEST(SitesFile, AHopWithoutSitesHasNoFileAndWritesNone) {
    test::TempFolder folder;
    const auto hop = folder / "PLAIN.HOP";
    EXPECT_EQ(loadSites(hop).status, SitesReadStatus::NoFile);
    EXPECT_EQ(saveSites(hop, HopSites{}), FileWriteResult::Written);
    EXPECT_FALSE(std::filesystem::exists(sitesFilePath(hop)));
    // A station alone is worth keeping.
    HopSites oneStation;
    oneStation.stations[1] = SitePosition{1.0, 2.0, 3.0};
    ASSERT_EQ(saveSites(hop, oneStation), FileWriteResult::Written);
    const auto read = loadSites(hop);
    EXPECT_FALSE(read.sites.stations[0]);
    EXPECT_TRUE(read.sites.stations[1]);
}

TEST(SitesFile, RefusesAnOversizedFileUnread) {
    test::TempFolder folder;
    const auto file = folder / "BIG.HOP.sites.json";
    test::writeFile(file, std::string(kSitesFileMaxBytes + 1, ' '));
    const auto read = readSitesFile(file);
    EXPECT_EQ(read.status, SitesReadStatus::Refused);
    EXPECT_EQ(read.error, "the file is larger than 16 MiB; a sites file is far smaller");
}

struct Refusal {
    const char* name;
    const char* text;
    const char* error;
};

class SitesFileRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(SitesFileRefusal, SaysWhatAndWhere) {
    const auto read = parseSitesText(GetParam().text);
    EXPECT_EQ(read.status, SitesReadStatus::Refused);
    EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SitesFileRefusal,
    ::testing::Values(
        Refusal{"NotAnObject", "[]", "not a JSON object"},
        Refusal{"NoVersion", "{}", "missing field \"version\""},
        Refusal{"NewerVersion", R"({"version": 2})",
                "version 2: written by a newer Korvel; this one reads version 1"},
        Refusal{"UnknownField", R"({"version": 1, "antenna": 3})", "antenna: unknown field"},
        Refusal{"Latitude",
                R"({"version": 1, "station1": {"latitudeDeg": 91, "longitudeDeg": 0,
                    "groundElevationM": 0}})",
                "station1.latitudeDeg: expected a number from -90 to 90"},
        Refusal{"MissingElevation",
                R"({"version": 1, "station2": {"latitudeDeg": 1, "longitudeDeg": 0}})",
                "station2: missing field \"groundElevationM\""},
        Refusal{"ProfileNotAList", R"({"version": 1, "profile": {}})", "profile: expected a list"},
        Refusal{"ProfileClutter",
                R"({"version": 1, "profile": [{"distanceKm": 0, "groundM": 1, "clutterM": -1}]})",
                "profile[0].clutterM: expected a number of at least 0"},
        Refusal{"ProfileRepeat",
                R"({"version": 1, "profile": [{"distanceKm": 0, "groundM": 1},
                    {"distanceKm": 0, "groundM": 2}]})",
                "profile[1]: distance 0.000 km repeats the point before"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace korvel
