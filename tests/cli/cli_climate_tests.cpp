// korvel-cli climate (import, list, at, remove) on synthetic grids in a cache of the test's own,
// and the typed climate values of sites --climate.

#include "cli/cli_runner.h"
#include "support/synthetic_climate.h"

namespace korvel {
namespace {

const test::SyntheticLayout kR001{5.0, false, -180.0, false};
const test::SyntheticLayout kLogK{5.0, true, -180.0, false};

class Climate : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        std::filesystem::create_directories(at("maps"));
        writeFile(at("maps/R001.TXT"),
                  test::gridText(kR001, test::bilinearFormula(100, 0.5, 0.1, 0)));
        writeFile(at("maps/LAT_R001.TXT"), test::latitudeText(kR001));
        writeFile(at("maps/LON_R001.TXT"), test::longitudeText(kR001));
        writeFile(at("maps/LogK.csv"),
                  test::gridText(kLogK, test::bilinearFormula(-5, 0, 0.01, 0), ','));
    }
};

TEST_F(Climate, ImportsListsReadsAtAPointAndRemoves) {
    const CliRun imported = cli("climate import maps");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "logK: maps/LogK.csv (37 x 73)\nR001: maps/R001.TXT (37 x 73)\n");

    const auto listed = nlohmann::json::parse(cli("climate --json").out);
    ASSERT_EQ(listed["grids"].size(), 2u);
    const auto& r001 = listed["grids"][1];
    EXPECT_EQ(r001["kind"], "R001");
    EXPECT_EQ(r001["recommendation"], "ITU-R P.837-7");
    EXPECT_EQ(r001["imported"], "1997-12-24");
    EXPECT_EQ(r001["sha256"].get<std::string>().size(), 64u);

    const CliRun point = cli("climate at -33.5 151.2 --json");
    ASSERT_EQ(point.exitCode, 0) << point.err;
    const auto values = nlohmann::ordered_json::parse(point.out);
    EXPECT_EQ(keysOf(values), lines("logK R001", ' '));
    EXPECT_NEAR(values["R001"]["value"].get<double>(), 100 - 16.75 + 15.12, 1e-9);
    EXPECT_EQ(values["R001"]["unit"], "mm/h");
    EXPECT_EQ(values["R001"]["source"], "ITU-R P.837-7 R001.TXT, imported 1997-12-24");
    EXPECT_NEAR(values["logK"]["value"].get<double>(), -5 + 1.512, 1e-9);

    EXPECT_EQ(cli("climate remove R001").exitCode, 0);
    EXPECT_EQ(keysOf(nlohmann::ordered_json::parse(cli("climate at 0 0 --json").out)),
              lines("logK", ' '));
    const CliRun again = cli("climate remove R001");
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_TRUE(contains(again.err, "R001: not installed")) << again.err;
}

TEST_F(Climate, ABadFileOrValueExitsTwoAndTheCacheKeepsWhatItHad) {
    ASSERT_EQ(cli("climate import maps/LogK.csv").exitCode, 0);
    const std::string before = cli("climate --json").out;
    writeFile(at("maps/R001.TXT"), test::gridText(kR001, test::bilinearFormula(600, 0, 0, 0)));
    const CliRun refused = cli("climate import maps");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(contains(refused.err,
                         "maps/R001.TXT: row 1, column 1: 600 is outside 0 to 500 mm/h for R001"))
        << refused.err;
    EXPECT_TRUE(contains(refused.err, "nothing imported")) << refused.err;
    EXPECT_EQ(cli("climate --json").out, before);

    const std::pair<const char*, const char*> cases[] = {
        {"climate import maps/LogK.csv --as rain", "--as rain: not a grid kind"},
        {"climate import missing.txt", "missing.txt: "},
        {"climate at 91 0", "91: the latitude is a number of decimal degrees from -90 to 90"},
        {"climate at 0 east", "east: the longitude"},
        {"climate remove K", "K: not a grid kind"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_TRUE(contains(run.err, message)) << args << "\n" << run.err;
    }
}

TEST_F(Climate, CalcMethodsReadsTheMapsUnderTheHopsTypedValuesUnderTheFlags) {
    ASSERT_EQ(cli("climate import maps").exitCode, 0);
    const auto inputs = [&](const std::string& flags) {
        const CliRun run = cli("calc --json LINK7.HOP --methods p530-18 " + flags);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return nlohmann::json::parse(run.out)["methods"][0];
    };
    const auto mapped = inputs("");
    EXPECT_EQ(mapped["missing"], nlohmann::json::parse(R"(["dN75"])"));
    EXPECT_EQ(mapped["inputs"]["logK"]["source"], "ITU-R P.530-18 LogK.csv, imported 1997-12-24");
    EXPECT_EQ(mapped["inputs"]["R001"]["source"], "ITU-R P.837-7 R001.TXT, imported 1997-12-24");

    ASSERT_EQ(cli("sites LINK7.HOP --climate logK=-4").exitCode, 0);
    EXPECT_EQ(inputs("")["inputs"]["logK"],
              nlohmann::json::parse(R"({"value": -4.0, "unit": "", "source": "override"})"));
    EXPECT_EQ(inputs("--logK -4.5")["inputs"]["logK"]["source"], "typed");
}

TEST_F(Climate, SitesSetsAndClearsTypedValues) {
    const CliRun set = cli("sites LINK7.HOP --climate R001=32.5 --climate htM=120");
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_TRUE(contains(set.out, "Climate: htM 120 m, R001 32.5 mm/h\n")) << set.out;
    const auto file = nlohmann::json::parse(bytesOf("LINK7.HOP.sites.json"));
    EXPECT_EQ(file["version"], 2);
    EXPECT_EQ(file["climate"], nlohmann::json::parse(R"({"R001": 32.5, "htM": 120.0})"));

    expectRefused("sites LINK7.HOP --climate R001=600 --set 1 1 1",
                  "--climate R001=600: expected a number from 0 to 500", "LINK7.HOP.sites.json");
    ASSERT_EQ(cli("sites LINK7.HOP --climate R001= --climate htM=").exitCode, 0);
    EXPECT_FALSE(nlohmann::json::parse(bytesOf("LINK7.HOP.sites.json")).contains("climate"));
}

} // namespace
} // namespace korvel
