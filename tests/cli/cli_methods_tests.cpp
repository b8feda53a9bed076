// korvel-cli calc --methods: the method columns beside today's output, with typed climate values.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Methods = CliTest;

const std::string kTyped = "--dN1 -400 --sa 20 --logK -4.2 --dN75 20 --R001 42";

TEST_F(Methods, JsonAddsOneObjectPerMethodInColumnOrder) {
    const CliRun plain = cli("calc --json LINK15SD.HOP");
    const CliRun run = cli("calc --json LINK15SD.HOP --methods p530-18,classic,p530-17 " + kTyped);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto json = nlohmann::ordered_json::parse(run.out);
    const auto methods = json["methods"];
    json.erase("methods");
    EXPECT_EQ(json, nlohmann::ordered_json::parse(plain.out)); // today's object unchanged
    ASSERT_EQ(methods.size(), 3u);
    EXPECT_EQ(
        keysOf(methods[1]),
        lines("method available missing inputs pathLossDb fadeMarginDb K p0Pct worstMonthPct "
              "worstMonthAllPct deltaGDb averageYearPct rain gas diversity totalWorstMonthPct "
              "objectiveMet notes",
              ' '));
    EXPECT_EQ(methods[0]["method"], "classic");
    EXPECT_EQ(methods[1]["method"], "p530-17");
    EXPECT_EQ(methods[2]["method"], "p530-18");
    EXPECT_EQ(methods[1]["inputs"]["dN1"],
              nlohmann::ordered_json::parse(R"({"value":-400,"unit":"N/km","source":"typed"})"));
    EXPECT_EQ(methods[2]["inputs"]["htM"]["source"], "profile"); // the hop has a sites file
    EXPECT_EQ(keysOf(methods[2]["rain"]),
              lines("R001MmH k alpha gammaRDbKm rFactor effectiveLengthKm "
                    "A001Db outagePct outageBound",
                    ' '));
    EXPECT_TRUE(methods[2]["diversity"]["improvement"].is_number());
    EXPECT_TRUE(methods[2]["objectiveMet"].is_boolean());
}

TEST_F(Methods, AbsentValuesLeaveTheColumnUnavailableAndSayWhich) {
    const CliRun run = cli("calc --json LINK7.HOP --methods p530-18");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto column = nlohmann::json::parse(run.out)["methods"][0];
    EXPECT_FALSE(column["available"]);
    EXPECT_EQ(column["missing"], nlohmann::json::parse(R"(["logK","dN75","R001"])"));
    EXPECT_TRUE(column["K"].is_null() && column["totalWorstMonthPct"].is_null());
    EXPECT_TRUE(column["pathLossDb"].is_number());
}

TEST_F(Methods, TextTableFollowsTheResultsPanel) {
    const CliRun plain = cli("calc LINK23FD.HOP");
    const CliRun run = cli("calc LINK23FD.HOP --methods classic,p530-17 " + kTyped);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with(plain.out));
    const std::vector<std::string> table = lines(run.out.substr(plain.out.size()));
    EXPECT_EQ(table[0].substr(0, 6), "Method");
    EXPECT_TRUE(contains(table[0], "classic") && contains(table[0], "p530-17") &&
                !contains(table[0], "p530-18"));
    EXPECT_TRUE(contains(run.out, "\nObjective ")) << run.out;
    EXPECT_TRUE(contains(run.out, "p530-17: selective outage: classic method")) << run.out;
}

TEST_F(Methods, RefusesUnknownMethodsAndTypedValuesOutOfRange) {
    for (const char* args :
         {"--methods p530-16", "--methods p530-17 --dN1 5", "--methods p530-18 --R001 -1"}) {
        const CliRun run = cli(std::string("calc LINK7.HOP ") + args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
}

} // namespace
} // namespace korvel
