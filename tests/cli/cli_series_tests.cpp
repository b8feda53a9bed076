// korvel-cli sweep and budget: the shapes scripts read, agreement with calc, refusals and exit
// statuses.

#include <map>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using SweepCommand = CliTest;
using BudgetCommand = CliTest;

const std::vector<std::string> kPointKeys =
    lines("value outagePct flatPct selectivePct rainAnnualPct rainWorstMonthPct", ' ');

TEST_F(SweepCommand, JsonDefaultRangeIsHalfToTwiceTheHopsValueAndAPointAtItIsWhatCalcGives) {
    const double spacing = showJson("LINK15SD.HOP")["record"]["antennaSpacingM"];
    const CliRun run = cli("sweep LINK15SD.HOP --vary spacing --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto sweep = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(keysOf(sweep), lines("vary unit objectivePct points", ' '));
    EXPECT_TRUE(sweep["vary"] == "spacing" && sweep["unit"] == "m");
    ASSERT_EQ(sweep["points"].size(), 50u);
    EXPECT_EQ(sweep["points"][0]["value"], spacing / 2);
    EXPECT_EQ(sweep["points"][49]["value"], spacing * 2);
    EXPECT_EQ(keysOf(sweep["points"][0]), kPointKeys);

    const auto calc = nlohmann::json::parse(cli("calc --json LINK15SD.HOP").out)["results"];
    const auto own = nlohmann::json::parse(cli("sweep LINK15SD.HOP --vary spacing --from " +
                                               std::to_string(spacing) + " --to " +
                                               std::to_string(spacing) + " --steps 2 --json")
                                               .out)["points"][1];
    EXPECT_EQ(own["outagePct"], calc["pd"]);
    EXPECT_EQ(own["flatPct"], calc["pfmd"]);
    EXPECT_EQ(own["selectivePct"], calc["psmd"]);
    EXPECT_EQ(sweep["objectivePct"].get<double>(),
              showJson("LINK15SD.HOP")["record"]["outageObjectivePct"].get<double>());
}

TEST_F(SweepCommand, StoppedPointsCarryOnlyTheirStatusAndRainNeedsSixGigahertz) {
    const auto sweep = nlohmann::ordered_json::parse(
        cli("sweep LINK7.HOP --vary length --from 10 --to 200 --steps 3 --json").out);
    ASSERT_EQ(sweep["points"].size(), 3u);
    EXPECT_EQ(keysOf(sweep["points"][0]), kPointKeys);
    EXPECT_EQ(keysOf(sweep["points"][2]), lines("value status", ' '));
    EXPECT_EQ(sweep["points"][2]["status"], -4);

    const CliRun low = cli("sweep LINK2.HOP --vary diameter --steps 2 --json");
    ASSERT_EQ(low.exitCode, 0) << low.err;
    EXPECT_EQ(keysOf(nlohmann::ordered_json::parse(low.out)["points"][0]),
              lines("value outagePct flatPct selectivePct", ' '));
    expectRefused("sweep LINK2.HOP --vary rain-rate",
                  "Current formulas for rain attenuation do not support frequencies below 6 GHz.",
                  "LINK2.HOP", 4);
}

TEST_F(SweepCommand, CsvAndTextGiveOneLinePerPoint) {
    const CliRun csv = cli("sweep LINK23FD.HOP --vary channel-spacing --steps 7 --csv");
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const auto rows = lines(csv.out);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0],
              "value,outagePct,flatPct,selectivePct,rainAnnualPct,rainWorstMonthPct,status");
    EXPECT_EQ(lines(rows[1], ',').size(), 6u) << rows[1] << " (empty status at the end)";

    const CliRun text = cli("sweep LINK7.HOP --vary rain-rate --from 0 --to 100 --steps 3");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const auto out = lines(text.out);
    ASSERT_EQ(out.size(), 6u) << text.out;
    EXPECT_EQ(out[0], "== LINK7.HOP: Rain rate from 0 to 100 mm/h, 3 points");
}

// One refusal of each kind; which inputs and ranges are refused is the sweep's own tests'.
TEST_F(SweepCommand, RefusesInputsTheHopLacksAndRangesOutsideTheRules) {
    expectRefused("sweep LINK7.HOP --vary spacing", "only for a hop with space diversity",
                  "LINK7.HOP", 4);
    expectRefused("sweep LINK7.HOP --vary length --from 0.05", "at least 0.1 km", "LINK7.HOP", 4);
    expectRefused("sweep LINK7.HOP --vary length --steps 1001", "--steps");
    expectRefused("sweep LINK7.HOP --vary height", "--vary");
    expectRefused("sweep LINK7.HOP --vary length --json --csv", "--csv");
    expectRefused("sweep NOPE.HOP --vary length", "NOPE.HOP: cannot read", "NOPE.HOP");
}

TEST_F(BudgetCommand, StepsRunFromPtxToPrxAndAgreeWithCalc) {
    const CliRun run = cli("budget LINK15SD.HOP --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto budget = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(keysOf(budget), lines("file status steps", ' '));
    EXPECT_EQ(keysOf(budget["steps"][0]), lines("key label kind value unit levelDbm", ' '));
    const auto calc = nlohmann::json::parse(cli("calc --json LINK15SD.HOP").out)["results"];
    std::map<std::string, nlohmann::json> steps;
    for (const auto& step : budget["steps"]) {
        steps[step["key"]] = step;
    }
    EXPECT_EQ(steps["pathLoss"]["value"], calc["Lo"]);
    EXPECT_EQ(steps["prx"]["value"], calc["Prx"]);
    EXPECT_EQ(steps["flatMargin"]["value"], calc["M"]);
    EXPECT_EQ(steps["ptx"]["unit"], "dBm");
    EXPECT_EQ(budget["steps"].front()["key"], "ptx");
    // The antennas' gains in dBi, and the space-diversity branch after the margins.
    EXPECT_EQ(steps["antenna2Gain"]["gainDbi"], steps["antenna2Gain"]["value"]);
    EXPECT_FALSE(steps["pathLoss"].contains("gainDbi"));
    EXPECT_EQ(budget["steps"].back()["key"], "diversityPrx");
    EXPECT_NEAR(steps["diversityPrx"]["levelDbm"].get<double>(),
                calc["Prx"].get<double>() - steps["antenna2Gain"]["value"].get<double>() +
                    steps["diversityAntennaGain"]["value"].get<double>(),
                1e-9);

    const CliRun text = cli("budget LINK7.HOP");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("== LINK7.HOP\nTransmitter power ")) << text.out;
    EXPECT_TRUE(contains(text.out, "\nFlat fading margin ")) << text.out;
    EXPECT_TRUE(contains(text.out, " dBm  (40.4 dBi)\nPath loss ")) << text.out;
}

TEST_F(BudgetCommand, AStoppedCalculationStillShowsTheBudgetAndExitsThree) {
    nlohmann::json weak = exampleSource("LINK7");
    weak["record"]["ptxDbm"] = -60.0;
    ASSERT_NO_FATAL_FAILURE(makeHop("WEAK.HOP", weak));
    const CliRun run = cli("budget WEAK.HOP");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(contains(run.out, "\nWarning: Negative fading margin.\n")) << run.out;
    EXPECT_EQ(nlohmann::json::parse(cli("budget --json WEAK.HOP").out)["status"], -1);
    expectRefused("budget NOPE.HOP", "NOPE.HOP: cannot read", "NOPE.HOP");
}

} // namespace
} // namespace korvel
