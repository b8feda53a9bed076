// korvel-cli optimize: the lists as the selection dialog shows them, --choose, --save, refusals.

#include <sstream>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Optimize = CliTest;

TEST_F(Optimize, PrintsTheListsOfBothDiversityLayoutsAsTheJsonGivesThem) {
    const auto entryKeys = lines(
        "d1Index d2Index feeder1Index feeder2Index ddIndex spacingM outagePct price line", ' ');
    for (const char* file : {"LINK7.HOP", "LINK15SD.HOP"}) {
        SCOPED_TRACE(file);
        const CliRun run = cli({"optimize", file});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto lists = nlohmann::ordered_json::parse(cli({"optimize", "--json", file}).out);
        EXPECT_EQ(keysOf(lists), lines("objective meeting nearMiss", ' '));
        const double objective = lists["objective"].get<double>();
        EXPECT_EQ(objective, showJson(file)["record"]["outageObjectivePct"].get<double>());
        ASSERT_FALSE(lists["meeting"].empty());
        EXPECT_LE(lists["meeting"].size(), 15u);
        EXPECT_LE(lists["nearMiss"].size(), 5u);

        const auto out = lines(run.out);
        ASSERT_EQ(out.size(), 2 + lists["meeting"].size() + lists["nearMiss"].size()) << run.out;
        EXPECT_TRUE(out[0].starts_with("Objective: 0.00") && out[0].ends_with(" %")) << out[0];
        EXPECT_TRUE(out[1].starts_with("     D1   D2   Lc1  Lc2    p%")) << out[1];
        std::size_t row = 2;
        for (const bool meeting : {true, false}) {
            int number = meeting ? 1 : -1;
            for (const auto& entry : lists[meeting ? "meeting" : "nearMiss"]) {
                EXPECT_EQ(keysOf(entry), entryKeys);
                const std::string label =
                    (number > 0 && number < 10 ? " " : "") + std::to_string(number) + ">";
                EXPECT_TRUE(out[row].starts_with(label)) << out[row];
                EXPECT_EQ(out[row++], entry["line"]);
                number += meeting ? 1 : -1;
                const double outage = entry["outagePct"].get<double>();
                EXPECT_EQ(outage <= objective + 0.00001, meeting) << outage;
                EXPECT_GE(entry["spacingM"].get<double>(), 5.0);
                EXPECT_LE(entry["spacingM"].get<double>(), 15.0);
            }
        }
    }
}

TEST_F(Optimize, ChosenLineSavedIsWhatCalcThenShows) {
    const auto first =
        nlohmann::json::parse(cli({"optimize", "--json", "LINK7.HOP"}).out)["meeting"][0];
    const std::string before = bytesOf("LINK7.HOP");
    const CliRun dryRun = cli({"optimize", "LINK7.HOP", "--choose", "-1"});
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err;
    EXPECT_TRUE(contains(dryRun.out, "== LINK7.HOP with line -1\n")) << dryRun.out;
    EXPECT_EQ(bytesOf("LINK7.HOP"), before) << "changed without --save";

    ASSERT_EQ(cli({"optimize", "LINK7.HOP", "--choose", "1", "--save"}).exitCode, 0);
    std::istringstream words(first["line"].get<std::string>());
    std::string outage; // the p% column of the chosen line, the sixth word
    for (int i = 0; i < 6; ++i) {
        words >> outage;
    }
    EXPECT_TRUE(contains(cli({"calc", "LINK7.HOP"}).out,
                         "\nTotal outage w/o diversity:   " + outage + " %\n"));
    const auto saved = showJson("LINK7.HOP")["selection"];
    EXPECT_EQ(saved["antennaIndex"][0], first["d1Index"]);
    EXPECT_EQ(saved["antennaIndex"][1], first["d2Index"]);
    EXPECT_EQ(saved["feederIndex"][0], first["feeder1Index"]);
    EXPECT_EQ(saved["feederIndex"][1], first["feeder2Index"]);
}

TEST_F(Optimize, RefusesAChoiceOutsideTheListsAndTheOtherRadio) {
    for (const std::string choice : {"16", "0", "-6"}) {
        expectRefused({"optimize", "LINK7.HOP", "--choose", choice, "--save"},
                      "--choose " + choice + ": no such line");
    }
    const auto library =
        nlohmann::json::parse(cli({"library", "show", "--json", "korvel32.lbr"}).out);
    nlohmann::json hop = exampleSource("LINK7");
    hop["record"]["radioName"] = "OTHER";
    hop["selection"]["radioIndex"] = library["radios"].size() - 1;
    ASSERT_NO_FATAL_FAILURE(makeHop("OTHER.HOP", hop));
    ASSERT_EQ(cli({"calc", "OTHER.HOP"}).exitCode, 0) << "the hop itself is usable";
    expectRefused({"optimize", "OTHER.HOP"},
                  "Korvel: Optimization not possible when OTHER radio used.\n");
}

} // namespace
} // namespace korvel
