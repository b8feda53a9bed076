// korvel-cli route, sweep, budget and report hop with --methods: today's output first and
// unchanged, then the method figures, which agree with the classic ones where they must.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Json = nlohmann::ordered_json;

const std::string kAll = " --methods classic,p530-17,p530-18 --dN1 -400 --sa 20 --logK -4.2 "
                         "--dN75 20 --R001 42";

class MethodsBeside : public CliTest {
  protected:
    // The JSON of `args` and of `args` with the methods, which without the member `added` and
    // the "methods" of each item of `items` must equal the first.
    std::pair<Json, Json> plainAndMethods(const std::string& args, const std::string& added,
                                          const std::string& items = "") const {
        const CliRun plain = cli(args);
        const CliRun run = cli(args + kAll);
        EXPECT_EQ(run.exitCode, plain.exitCode) << run.err;
        Json with = Json::parse(run.out);
        Json without = with;
        without.erase(added);
        if (!items.empty())
            for (Json& item : without[items])
                item.erase("methods");
        EXPECT_EQ(without, Json::parse(plain.out)) << args;
        return {Json::parse(plain.out), with};
    }
};

TEST_F(MethodsBeside, RouteAddsEachHopsColumnsAndATotalPerMethod) {
    const CliRun plain = cli("route COAST.ROU");
    const CliRun text = cli("route COAST.ROU" + kAll);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with(plain.out));
    EXPECT_TRUE(contains(text.out, "\n== Hop 4: COAST4.HOP\nMethod ")) << text.out;
    EXPECT_TRUE(contains(text.out, "p530-18: simultaneous fading at the mean fade margin; rain: "
                                   "sum, no §2.4.6 correlation"));

    const Json json = plainAndMethods("route COAST.ROU --json", "methodTotals", "hops").second;
    const Json totals = json["methodTotals"];
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(keysOf(totals[1]), lines("method rule fadeDepthDb worstMonthPct rain", ' '));
    double sum = 0, margins = 0, largest = 0;
    for (const Json& hop : json["hops"]) {
        ASSERT_EQ(hop["methods"].size(), 3u);
        const Json p18 = hop["methods"][2];
        sum += p18["totalWorstMonthPct"].get<double>();
        margins += p18["fadeMarginDb"].get<double>();
        largest = std::max(largest, p18["totalWorstMonthPct"].get<double>());
    }
    // Simultaneous fading takes the overlap off the plain sum, never below the worst hop.
    const double total = totals[2]["worstMonthPct"];
    EXPECT_LT(total, sum);
    EXPECT_GE(total, largest);
    EXPECT_DOUBLE_EQ(totals[2]["fadeDepthDb"].get<double>(), margins / 4);
    EXPECT_TRUE(totals[0]["fadeDepthDb"].is_null()); // the classic route adds its hops
}

TEST_F(MethodsBeside, SweepDrawsOneCurvePerMethodThatMeetsTheClassicOneAtEveryPoint) {
    const Json json =
        plainAndMethods("sweep LINK15SD.HOP --vary spacing --steps 5 --json", "", "points").second;
    for (const Json& point : json["points"]) {
        ASSERT_EQ(point["methods"].size(), 3u);
        EXPECT_DOUBLE_EQ(point["methods"][0]["totalWorstMonthPct"].get<double>(),
                         point["outagePct"].get<double>());
        EXPECT_TRUE(point["methods"][2]["totalWorstMonthPct"].is_number());
    }
    const std::vector<std::string> csv = lines(
        cli("sweep LINK7.HOP --vary rain-rate --from 40 --to 400 --steps 4 --csv" + kAll).out);
    EXPECT_TRUE(csv[0].ends_with(",classic.rainOutagePct,p530-17.rainOutagePct,"
                                 "p530-18.rainOutagePct,status"))
        << csv[0];
    double previous = 0;
    for (std::size_t i = 2; i < csv.size(); ++i) { // R0.01 follows the swept rain rate
        const double rain = std::stod(lines(csv[i], ',')[8]);
        EXPECT_GT(rain, previous) << csv[i];
        previous = rain;
    }
}

TEST_F(MethodsBeside, SweepWithMethodsKeepsTodaysTextAndCsvColumns) {
    for (const char* form : {"", " --csv"}) {
        const std::string args = std::string("sweep LINK23FD.HOP --vary diameter --steps 3") + form;
        const std::vector<std::string> plain = lines(cli(args).out);
        const std::vector<std::string> with = lines(cli(args + kAll).out);
        ASSERT_EQ(with.size(), plain.size());
        for (std::size_t i = 0; i < plain.size(); ++i) {
            const std::string& line = plain[i];
            const std::string kept = *form ? line.substr(0, line.rfind(',')) : line;
            EXPECT_TRUE(with[i].starts_with(kept)) << with[i];
        }
    }
}

TEST_F(MethodsBeside, BudgetReplacesOnlyThePathLoss) {
    auto [before, json] = plainAndMethods("budget LINK23FD.HOP --json", "methods");
    const Json methods = json["methods"];
    ASSERT_EQ(methods.size(), 3u);
    EXPECT_EQ(keysOf(methods[1]), lines("method pathLossDb gasDb fadeMarginDb", ' '));
    for (const Json& step : before["steps"]) {
        if (step["key"] == "Lo") {
            EXPECT_DOUBLE_EQ(methods[0]["pathLossDb"].get<double>(), step["value"].get<double>());
        }
    }
    const double classicSum =
        methods[0]["pathLossDb"].get<double>() + methods[0]["fadeMarginDb"].get<double>();
    for (std::size_t i = 1; i < 3; ++i)
        EXPECT_NEAR(methods[i]["pathLossDb"].get<double>() +
                        methods[i]["fadeMarginDb"].get<double>(),
                    classicSum, 1e-9);
    const CliRun text = cli("budget LINK23FD.HOP" + kAll);
    EXPECT_TRUE(text.out.starts_with(cli("budget LINK23FD.HOP").out));
    EXPECT_TRUE(contains(text.out, "\nMethod   Path loss dB  Gas dB  Fade margin dB\nclassic "));
}

TEST_F(MethodsBeside, HopReportAddsTheSectionAfterTheUnchangedReportInEveryForm) {
    for (const std::string form : {"text", "tsv", "pdf"}) {
        for (const std::string lang : {"en", "fr"}) {
            const std::string args = "report hop LINK15SD.HOP --lang " + lang + " --format " +
                                     form + " --force --output ";
            ASSERT_EQ(cli(args + "plain.txt").exitCode, 0);
            const CliRun run = cli(args + "methods.txt" + kAll);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            const std::string plain = bytesOf("plain.txt");
            const std::string with = bytesOf("methods.txt");
            if (form == "pdf") {
                EXPECT_TRUE(contains(with, "/Count 2") && contains(plain, "/Count 1"));
                continue;
            }
            EXPECT_TRUE(with.starts_with(plain)) << form << lang;
            EXPECT_TRUE(contains(with.substr(plain.size()),
                                 lang == "en" ? "Current ITU-R methods\r\n"
                                              : "M\xE9thodes UIT-R actuelles\r\n"));
        }
    }
}

TEST_F(MethodsBeside, TypedValuesOutOfRangeAreRefusedByEveryCommand) {
    for (const char* command : {"route COAST.ROU", "sweep LINK7.HOP --vary length",
                                "budget LINK7.HOP", "report hop LINK7.HOP --output r.txt"}) {
        const CliRun run = cli(std::string(command) + " --methods p530-18 --logK 3");
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_TRUE(run.out.empty() && contains(run.err, "--logK")) << command << run.err;
    }
}

} // namespace
} // namespace korvel
