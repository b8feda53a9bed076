// korvel-cli optimize: the lists as the selection dialog shows them, --choose, --save, refusals.

#include <cstdio>
#include <sstream>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Optimize = CliTest;

// The label a list line starts with: " 1>", "15>", "-1>".
std::string lineLabel(int number) {
    char label[16];
    std::snprintf(label, sizeof label, number > 0 ? "%2d>" : "%d>", number);
    return label;
}

// The p% column of a list line or of the calc panel's outage line, as printed.
std::string fifthColumn(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    for (int i = 0; i < 6 && words >> word; ++i) {
    }
    return word;
}

TEST_F(Optimize, PrintsObjectiveHeaderAndNumberedLines) {
    for (const char* file : {"LINK7.HOP", "LINK15SD.HOP"}) {
        SCOPED_TRACE(file);
        const CliRun run = cli({"optimize", file});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto json = nlohmann::json::parse(cli({"optimize", "--json", file}).out);
        const auto out = lines(run.out);
        const std::size_t meeting = json["meeting"].size();
        const std::size_t nearMiss = json["nearMiss"].size();
        ASSERT_EQ(out.size(), 2 + meeting + nearMiss) << run.out;
        EXPECT_TRUE(out[0].starts_with("Objective: 0.00")) << out[0];
        EXPECT_TRUE(out[0].ends_with(" %")) << out[0];
        EXPECT_TRUE(out[1].starts_with("     D1   D2   Lc1  Lc2    p%")) << out[1];
        for (std::size_t i = 0; i < meeting; ++i) {
            EXPECT_TRUE(out[2 + i].starts_with(lineLabel(static_cast<int>(i) + 1))) << out[2 + i];
            EXPECT_EQ(out[2 + i], json["meeting"][i]["line"]);
        }
        for (std::size_t i = 0; i < nearMiss; ++i) {
            const std::string& line = out[2 + meeting + i];
            EXPECT_TRUE(line.starts_with(lineLabel(-static_cast<int>(i) - 1))) << line;
            EXPECT_EQ(line, json["nearMiss"][i]["line"]);
        }
    }
}

TEST_F(Optimize, JsonEntriesCarryIndicesSpacingOutagePriceAndLine) {
    const CliRun run = cli({"optimize", "--json", "LINK15SD.HOP"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(lines(run.out).size(), 1u);
    const auto object = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"objective", "meeting", "nearMiss"}));
    EXPECT_EQ(object["objective"].get<double>(),
              showJson("LINK15SD.HOP")["record"]["outageObjectivePct"].get<double>());
    EXPECT_LE(object["meeting"].size(), 15u);
    EXPECT_LE(object["nearMiss"].size(), 5u);
    ASSERT_FALSE(object["meeting"].empty());
    const std::vector<std::string> entryKeys{"d1Index",      "d2Index", "feeder1Index",
                                             "feeder2Index", "ddIndex", "spacingM",
                                             "outagePct",    "price",   "line"};
    const double objective = object["objective"].get<double>();
    for (const char* list : {"meeting", "nearMiss"}) {
        for (const auto& entry : object[list]) {
            std::vector<std::string> names;
            for (const auto& item : entry.items()) {
                names.push_back(item.key());
            }
            EXPECT_EQ(names, entryKeys);
            const double outage = entry["outagePct"].get<double>();
            EXPECT_EQ(outage <= objective + 0.00001, std::string(list) == "meeting") << outage;
            EXPECT_GE(entry["spacingM"].get<double>(), 5.0);
            EXPECT_LE(entry["spacingM"].get<double>(), 15.0);
        }
    }
}

TEST_F(Optimize, ChosenLineSavedIsWhatCalcThenShows) {
    const auto lists = nlohmann::json::parse(cli({"optimize", "--json", "LINK7.HOP"}).out);
    const std::string before = bytesOf("LINK7.HOP");

    // Without --save the file stays as it was.
    const CliRun dryRun = cli({"optimize", "LINK7.HOP", "--choose", "-1"});
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err;
    EXPECT_TRUE(contains(dryRun.out, "== LINK7.HOP with line -1\n")) << dryRun.out;
    EXPECT_EQ(bytesOf("LINK7.HOP"), before);

    const CliRun chosen = cli({"optimize", "LINK7.HOP", "--choose", "1", "--save"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    const CliRun calc = cli({"calc", "LINK7.HOP"});
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    std::string outageLine;
    for (const auto& line : lines(calc.out)) {
        if (line.starts_with("Total outage w/o diversity:")) {
            outageLine = line;
        }
    }
    EXPECT_EQ(outageLine, "Total outage w/o diversity:   " +
                              fifthColumn(lists["meeting"][0]["line"].get<std::string>()) + " %");
    const auto saved = showJson("LINK7.HOP")["selection"];
    EXPECT_EQ(saved["antennaIndex"][0], lists["meeting"][0]["d1Index"]);
    EXPECT_EQ(saved["antennaIndex"][1], lists["meeting"][0]["d2Index"]);
    EXPECT_EQ(saved["feederIndex"][0], lists["meeting"][0]["feeder1Index"]);
    EXPECT_EQ(saved["feederIndex"][1], lists["meeting"][0]["feeder2Index"]);
}

class OptimizeChoice : public CliTest, public testing::WithParamInterface<const char*> {};

TEST_P(OptimizeChoice, OutsideTheListIsRefusedAndNothingSaved) {
    const std::string before = bytesOf("LINK7.HOP");
    const CliRun run = cli({"optimize", "LINK7.HOP", "--choose", GetParam(), "--save"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, std::string("--choose ") + GetParam() + ": no such line"))
        << run.err;
    EXPECT_EQ(run.out, "") << "a refused choice prints no list either";
    EXPECT_EQ(bytesOf("LINK7.HOP"), before);
}

INSTANTIATE_TEST_SUITE_P(Choices, OptimizeChoice, testing::Values("99", "16", "0", "-6"),
                         [](const auto& named) {
                             const std::string choice = named.param;
                             return choice[0] == '-' ? "Minus" + choice.substr(1) : choice;
                         });

TEST_F(Optimize, SaveWithoutChoiceIsAUsageError) {
    const std::string before = bytesOf("LINK7.HOP");
    EXPECT_EQ(cli({"optimize", "LINK7.HOP", "--save"}).exitCode, 2);
    EXPECT_EQ(bytesOf("LINK7.HOP"), before);
}

TEST_F(Optimize, OtherRadioIsRefused) {
    // A hop on the library's last radio, the user-defined OTHER radio.
    const auto library =
        nlohmann::json::parse(cli({"library", "show", "--json", "korvel32.lbr"}).out);
    nlohmann::json hop = exampleSource("LINK7");
    hop["record"]["radioName"] = "OTHER";
    hop["selection"]["radioIndex"] = library["radios"].size() - 1;
    ASSERT_NO_FATAL_FAILURE(makeHop("OTHER.HOP", hop));
    ASSERT_EQ(cli({"calc", "OTHER.HOP"}).exitCode, 0) << "the hop itself is usable";

    const CliRun run = cli({"optimize", "OTHER.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Korvel: Optimization not possible when OTHER radio used.\n");
}

} // namespace
} // namespace korvel
