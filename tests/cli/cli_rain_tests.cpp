// korvel-cli rain: the refusals and notes of the rain dialog, --json and --save.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

constexpr const char* kNormalLimitsNote = "Note!: Values out of normal limits : Rainrate\n";

using Rain = CliTest;

TEST_F(Rain, FrequencyBelowSixGigahertzIsRefused) {
    const CliRun run = cli({"rain", "LINK2.HOP", "--rate", "42", "--save"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Korvel: Current formulas for rain attenuation do not support "
                       "frequencies below 6 GHz.\n");
}

struct RateCase {
    const char* name;
    const char* rate;
    int exitCode;
    const char* message; // on stderr; nullptr: nothing
};

class RainRate : public CliTest, public testing::WithParamInterface<RateCase> {};

TEST_P(RainRate, IsReadAsTheRainDialogReadsIt) {
    const RateCase rate = GetParam();
    const std::string before = bytesOf("LINK7.HOP");
    const CliRun run = cli({"rain", "LINK7.HOP", "--rate", rate.rate});
    EXPECT_EQ(run.exitCode, rate.exitCode) << run.err;
    EXPECT_EQ(run.err, rate.message ? rate.message : "");
    if (rate.exitCode == 0) {
        const auto out = lines(run.out);
        ASSERT_EQ(out.size(), 2u) << run.out;
        EXPECT_TRUE(out[0].starts_with("Annual unavailability  : ")) << out[0];
        EXPECT_TRUE(out[1].starts_with("(Worst month percentage : ")) << out[1];
    } else {
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(bytesOf("LINK7.HOP"), before) << "changed without --save";
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RainRate,
    testing::Values(RateCase{"LowestNormal", "10", 0, nullptr},
                    RateCase{"BelowNormal", "9", 0, kNormalLimitsNote},
                    RateCase{"HighestNormal", "200", 0, nullptr},
                    RateCase{"AboveNormal", "250", 0, kNormalLimitsNote},
                    RateCase{"Fraction", "12.5", 2,
                             "Error!: Rainrate must be a positive integer.\n"},
                    RateCase{"NotANumber", "heavy", 2, "Error!: Invalid data : Rain rate\n"},
                    RateCase{"Negative", "-5", 2, "Error!: Invalid data : Rain rate\n"}),
    [](const auto& named) { return std::string(named.param.name); });

TEST_F(Rain, AboveNormalRateIsComputedAfterTheNote) {
    const CliRun atLimit = cli({"rain", "LINK23FD.HOP", "--rate", "200", "--json"});
    const CliRun above = cli({"rain", "LINK23FD.HOP", "--rate", "250", "--json"});
    ASSERT_EQ(above.exitCode, 0) << above.err;
    EXPECT_EQ(above.err, kNormalLimitsNote);
    const double annual200 = nlohmann::json::parse(atLimit.out)["annualPct"].get<double>();
    const double annual250 = nlohmann::json::parse(above.out)["annualPct"].get<double>();
    EXPECT_GT(annual250, annual200) << "heavier rain must not lower the unavailability";
}

TEST_F(Rain, JsonHasStatusAndBothPercentages) {
    const CliRun run = cli({"rain", "LINK15SD.HOP", "--rate", "42", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(lines(run.out).size(), 1u);
    const auto object = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"status", "annualPct", "worstMonthPct"}));
    EXPECT_EQ(object["status"], 1);
    EXPECT_GE(object["annualPct"].get<double>(), 0.0);
    EXPECT_GE(object["worstMonthPct"].get<double>(), object["annualPct"].get<double>());
}

TEST_F(Rain, SaveStoresRatePolarizationAndBothPercentages) {
    const auto before = showJson("LINK7.HOP");
    ASSERT_EQ(before["record"]["polarization"], 2001);
    const CliRun run = cli(
        {"rain", "LINK7.HOP", "--rate", "95", "--polarization", "horizontal", "--json", "--save"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rain = nlohmann::json::parse(run.out);
    const auto after = showJson("LINK7.HOP");
    EXPECT_EQ(after["record"]["rainRateMmH"], 95);
    EXPECT_EQ(after["record"]["polarization"], 2000);
    EXPECT_EQ(after["results"]["rainAnnualPct"], rain["annualPct"]);
    EXPECT_EQ(after["results"]["rainWorstMonthPct"], rain["worstMonthPct"]);
    // Nothing else moves.
    auto expected = before;
    expected["record"]["rainRateMmH"] = 95;
    expected["record"]["polarization"] = 2000;
    expected["results"]["rainAnnualPct"] = rain["annualPct"];
    expected["results"]["rainWorstMonthPct"] = rain["worstMonthPct"];
    EXPECT_EQ(after, expected);
}

TEST_F(Rain, StoppedCalculationGivesStatusThreeAndNoRain) {
    nlohmann::json hop = exampleSource("LINK23FD");
    hop["record"]["ptxDbm"] = -60.0;
    ASSERT_NO_FATAL_FAILURE(makeHop("WEAK.HOP", hop));
    const CliRun run = cli({"rain", "WEAK.HOP", "--rate", "42", "--save"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(contains(run.err, "Negative fading margin.")) << run.err;
}

} // namespace
} // namespace korvel
