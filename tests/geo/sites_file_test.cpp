#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "geo/plain_sites.h"
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

// A file of stations alone is read without a JSON document: it must give what the document
// gives, to the sign of a zero, and leave the rest to the document's reader.
TEST(SitesFile, StationsAloneReadAsTheDocumentReads) {
    const std::string zeros = "\r\n{\"version\":2.0,\t\"station2\":{\"groundElevationM\":1E1,"
                              "\"longitudeDeg\":-0,\"latitudeDeg\":-0.0}}\n";
    ASSERT_TRUE(readPlainSites(zeros, kSitesFileVersion));
    const SitesRead read = parseSitesText(zeros);
    ASSERT_EQ(read.status, SitesReadStatus::Read);
    EXPECT_FALSE(read.sites.stations[0]);
    ASSERT_TRUE(read.sites.stations[1]);
    EXPECT_TRUE(std::signbit(read.sites.stations[1]->latitudeDeg));
    EXPECT_FALSE(std::signbit(read.sites.stations[1]->longitudeDeg)) << "a whole -0 is 0";
    EXPECT_EQ(read.sites.stations[1]->groundElevationM, 10.0);

    const auto station = [](const char* key, int value) {
        return std::string("\"") + key + "\": {\"latitudeDeg\": " + std::to_string(value) +
               ", \"longitudeDeg\": 0, \"groundElevationM\": 0}";
    };
    const std::pair<std::string, double> documents[] = {
        {"{\"version\": 1, " + station("station1", 1) + ", " + station("station1", 4) + "}", 4.0},
        {"{\"version\": 1, " + station("station\\u0031", 7) + "}", 7.0}};
    for (const auto& [text, latitude] : documents) {
        const SitesRead document = parseSitesText(text);
        ASSERT_EQ(document.status, SitesReadStatus::Read) << text;
        EXPECT_EQ(document.sites.stations[0]->latitudeDeg, latitude) << text;
    }
    for (const std::string& text :
         {"{\"version\": 1, " + station("station1", 1) + "} x", std::string("{\"version\": 01}"),
          std::string("{\"version\": 1, \"station1\": {}}")}) {
        EXPECT_EQ(parseSitesText(text).status, SitesReadStatus::Refused) << text;
    }
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

// The availability objective alone is worth a file; a file without it reads as none.
TEST(SitesFile, KeepsTheAvailabilityObjective) {
    test::TempFolder folder;
    const auto hop = folder / "RAIN.HOP";
    HopSites objectiveOnly;
    objectiveOnly.availabilityObjectivePct = 0.0125;
    ASSERT_EQ(saveSites(hop, objectiveOnly), FileWriteResult::Written);
    EXPECT_EQ(loadSites(hop).sites.availabilityObjectivePct, 0.0125);
    EXPECT_EQ(parseSitesText(R"({"version": 1})").sites.availabilityObjectivePct, std::nullopt);
    const std::string range = "availabilityObjectivePct: expected a number above 0, at most 10";
    for (const char* text : {R"({"version": 1, "availabilityObjectivePct": 0})",
                             R"({"version": 1, "availabilityObjectivePct": 99.99})"}) {
        EXPECT_EQ(parseSitesText(text).error, range) << text;
    }
    objectiveOnly.availabilityObjectivePct = 10.5;
    EXPECT_EQ(sitesFault(objectiveOnly), range);
}

// The chosen verdict method alone is worth a file; classic, the default, is never written.
TEST(SitesFile, KeepsTheVerdictMethod) {
    test::TempFolder folder;
    const auto hop = folder / "JUDGE.HOP";
    HopSites chosen;
    chosen.verdictMethod = VerdictMethod::P530v18;
    ASSERT_EQ(saveSites(hop, chosen), FileWriteResult::Written);
    EXPECT_EQ(loadSites(hop).sites.verdictMethod, VerdictMethod::P530v18);
    chosen.verdictMethod = VerdictMethod::Classic;
    EXPECT_EQ(sitesFileText(chosen).find("verdictMethod"), std::string::npos);
    EXPECT_EQ(parseSitesText(R"({"version": 2})").sites.verdictMethod, VerdictMethod::Classic);
}

TEST(SitesFile, RefusesAnOversizedFileUnread) {
    test::TempFolder folder;
    const auto file = folder / "BIG.HOP.sites.json";
    test::writeFile(file, std::string(kSitesFileMaxBytes + 1, ' '));
    const auto read = readSitesFile(file);
    EXPECT_EQ(read.status, SitesReadStatus::Refused);
    EXPECT_EQ(read.error, "the file is larger than 16 MiB; a sites file is far smaller");
}

// Mended: sites the reader refuses (a NaN elevation, a point before station 1, 1e308 m of
// ground) were written, and the hop's sites were lost at the next read.
TEST(SitesFile, WhatTheReaderRefusesIsNeverWritten) {
    test::TempFolder folder;
    const auto hop = folder / "LINK7.HOP";
    ASSERT_EQ(saveSites(hop, hillAndHarbour()), FileWriteResult::Written);
    const std::string before = test::readFileText(sitesFilePath(hop));
    const auto withGround = [](double metres) {
        HopSites sites = hillAndHarbour();
        sites.stations[1]->groundElevationM = metres;
        return sites;
    };
    const auto withFirstPoint = [](double km, double groundM) {
        HopSites sites = hillAndHarbour();
        sites.profile[0] = {km, groundM};
        return sites;
    };
    const std::pair<HopSites, std::string> faults[] = {
        {withGround(std::nan("")), "station2: the ground elevation must be from -500 to 9000 m"},
        {withGround(HUGE_VAL), "station2: the ground elevation must be from -500 to 9000 m"},
        {withGround(-501.0), "station2: the ground elevation must be from -500 to 9000 m"},
        {withFirstPoint(-0.01, 1.0), "profile[0]: distance -0.010 km is before station 1 (0 km)"},
        {withFirstPoint(0.0, 1e308),
         "profile[0]: the ground elevation must be from -500 to 9000 m"},
    };
    for (const auto& [sites, why] : faults) {
        EXPECT_EQ(sitesFault(sites), why);
        EXPECT_EQ(saveSites(hop, sites), FileWriteResult::CannotWrite) << why;
        EXPECT_EQ(test::readFileText(sitesFilePath(hop)), before) << why;
    }
    EXPECT_EQ(sitesFault(withGround(9000.0)), std::nullopt);
}

struct SitesRefusal {
    const char* name;
    const char* text;
    const char* error;
};

class SitesFileRefusal : public ::testing::TestWithParam<SitesRefusal> {};

TEST_P(SitesFileRefusal, SaysWhatAndWhere) {
    const auto read = parseSitesText(GetParam().text);
    EXPECT_EQ(read.status, SitesReadStatus::Refused);
    EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SitesFileRefusal,
    ::testing::Values(
        SitesRefusal{"NotAnObject", "[]", "not a JSON object"},
        SitesRefusal{"NoVersion", "{}", "missing field \"version\""},
        SitesRefusal{"NewerVersion", R"({"version": 3})",
                     "version 3: written by a newer Korvel; this one reads version 2"},
        SitesRefusal{"UnknownField", R"({"version": 1, "antenna": 3})", "antenna: unknown field"},
        SitesRefusal{"Latitude",
                     R"({"version": 1, "station1": {"latitudeDeg": 91, "longitudeDeg": 0,
                    "groundElevationM": 0}})",
                     "station1.latitudeDeg: expected a number from -90 to 90"},
        SitesRefusal{"MissingElevation",
                     R"({"version": 1, "station2": {"latitudeDeg": 1, "longitudeDeg": 0}})",
                     "station2: missing field \"groundElevationM\""},
        SitesRefusal{"ProfileNotAList", R"({"version": 1, "profile": {}})",
                     "profile: expected a list"},
        SitesRefusal{
            "ProfileClutter",
            R"({"version": 1, "profile": [{"distanceKm": 0, "groundM": 1, "clutterM": -1}]})",
            "profile[0].clutterM: expected a number from 0 to 500"},
        SitesRefusal{"ProfileRepeat",
                     R"({"version": 1, "profile": [{"distanceKm": 0, "groundM": 1},
                    {"distanceKm": 0, "groundM": 2}]})",
                     "profile[1]: distance 0.000 km repeats the point before"},
        SitesRefusal{"HugeElevation",
                     R"({"version": 1, "station1": {"latitudeDeg": 1, "longitudeDeg": 0,
                    "groundElevationM": 1e308}})",
                     "station1.groundElevationM: expected a number from -500 to 9000"},
        SitesRefusal{"ProfileFarPoint",
                     R"({"version": 1, "profile": [{"distanceKm": 1e308, "groundM": 1}]})",
                     "profile[0].distanceKm: expected a number from 0 to 20004"},
        SitesRefusal{"VerdictMethod", R"({"version": 2, "verdictMethod": "p530-16"})",
                     "verdictMethod: expected classic, p530-17 or p530-18"},
        SitesRefusal{"VerdictMethodNumber", R"({"version": 2, "verdictMethod": 18})",
                     "verdictMethod: expected classic, p530-17 or p530-18"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace korvel
