// korvel-cli hop show / hop new: versions, the JSON round trip, New defaults, refused input.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Hop = CliTest;

TEST_F(Hop, ShowJsonGivesTheFileVersionAndEverySection) {
    const auto current =
        nlohmann::ordered_json::parse(cli({"hop", "show", "--json", "LINK7.HOP"}).out);
    const auto old =
        nlohmann::ordered_json::parse(cli({"hop", "show", "--json", "OLDLINK13.HOP"}).out);
    EXPECT_EQ(current["version"], 6);
    EXPECT_EQ(old["version"], 5);
    for (const auto* shown : {&current, &old}) {
        std::vector<std::string> keys;
        for (const auto& item : shown->items()) {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"version", "selection", "record", "results"}));
        EXPECT_EQ((*shown)["record"].size(), 50u);
        EXPECT_EQ((*shown)["results"].size(), 20u);
        EXPECT_EQ((*shown)["selection"]["antennaIndex"].size(), 3u);
        EXPECT_EQ((*shown)["selection"]["feederIndex"].size(), 2u);
    }
    EXPECT_EQ(current["record"]["info"], "Coastal backbone, section 3");
}

TEST_F(Hop, ShowRefusesWhatIsNoHopFile) {
    writeFile(at("CUT.HOP"), bytesOf("LINK7.HOP").substr(0, 100));
    for (const char* file : {"NOPE.HOP", "CUT.HOP", "korvel32.lbr"}) {
        SCOPED_TRACE(file);
        const CliRun run = cli({"hop", "show", "--json", file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(contains(run.err, file)) << run.err;
    }
}

class HopRoundTrip : public CliTest, public testing::WithParamInterface<const char*> {};

TEST_P(HopRoundTrip, ShowThenNewGivesTheSameBytes) {
    const std::string file = GetParam();
    const CliRun show = cli({"hop", "show", "--json", file});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    writeFile(at("shown.json"), show.out);
    const CliRun create = cli({"hop", "new", "--from", "shown.json", "--output", "COPY.HOP"});
    ASSERT_EQ(create.exitCode, 0) << create.err;
    const std::string copy = bytesOf("COPY.HOP");
    EXPECT_EQ(copy.size(), 682u);
    EXPECT_EQ(copy, bytesOf(file));
}

INSTANTIATE_TEST_SUITE_P(Examples, HopRoundTrip,
                         testing::Values("LINK7.HOP", "LINK15SD.HOP", "LINK23FD.HOP", "LINK2.HOP"),
                         [](const auto& named) {
                             const std::string name = named.param;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(Hop, FieldsMissingFromTheJsonTakeTheirNewDefaults) {
    ASSERT_NO_FATAL_FAILURE(makeHop("BLANK.HOP", nlohmann::json::object()));
    const auto blank = showJson("BLANK.HOP");
    EXPECT_EQ(blank["version"], 6);
    EXPECT_EQ(blank["selection"]["radioIndex"], 0);
    EXPECT_EQ(blank["selection"]["otherBerExponent"], -3);
    EXPECT_EQ(blank["selection"]["branchingLossSet"], 0);
    EXPECT_EQ(blank["record"]["polarization"], 2001);
    EXPECT_EQ(blank["record"]["rainRateMmH"], 22);
    EXPECT_EQ(blank["results"]["rainWorstMonthPct"], -1);
    EXPECT_EQ(blank["results"]["rainAnnualPct"], -1);

    // One field given: only that field differs from the blank hop.
    ASSERT_NO_FATAL_FAILURE(makeHop("NAMED.HOP", {{"record", {{"station1Name", "Jyväskylä"}}},
                                                  {"results", nlohmann::json::object()}}));
    auto expected = blank;
    expected["record"]["station1Name"] = "Jyväskylä";
    EXPECT_EQ(showJson("NAMED.HOP"), expected);
}

struct BadFieldCase {
    const char* name;
    const char* document;
    const char* error; // part of the message on stderr
};

class HopNewRefuses : public CliTest, public testing::WithParamInterface<BadFieldCase> {};

TEST_P(HopNewRefuses, NamingTheOffendingField) {
    const BadFieldCase bad = GetParam();
    writeFile(at("bad.json"), bad.document);
    const CliRun run = cli({"hop", "new", "--from", "bad.json", "--output", "BAD.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, std::string("bad.json: ") + bad.error)) << run.err;
    EXPECT_FALSE(std::filesystem::exists(at("BAD.HOP")));
}

INSTANTIATE_TEST_SUITE_P(
    BadJson, HopNewRefuses,
    testing::Values(BadFieldCase{"TextForNumber", R"({"record": {"frequencyGHz": "high"}})",
                                 "record.frequencyGHz"},
                    BadFieldCase{"FractionForChoice", R"({"record": {"polarization": 2000.5}})",
                                 "record.polarization"},
                    BadFieldCase{"ShortArray", R"({"selection": {"antennaIndex": [1, 2]}})",
                                 "selection.antennaIndex"},
                    BadFieldCase{"BeyondInt16", R"({"selection": {"radioIndex": 32768}})",
                                 "selection.radioIndex"},
                    BadFieldCase{"TextTooLong",
                                 R"({"record": {"radioName": "a name of twenty chars"}})",
                                 "record.radioName"},
                    BadFieldCase{"SectionNotObject", R"({"results": [1, 2]})", "results"},
                    BadFieldCase{"NotJson", R"({"record": )", "not a JSON object"}),
    [](const auto& named) { return std::string(named.param.name); });

TEST_F(Hop, NewRefusesAnExistingOutputUnlessForced) {
    writeFile(at("seven.json"), exampleSource("LINK7").dump());
    const std::string before = bytesOf("LINK2.HOP");
    const CliRun refused = cli({"hop", "new", "--from", "seven.json", "--output", "LINK2.HOP"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(contains(refused.err, "LINK2.HOP exists already")) << refused.err;
    EXPECT_EQ(bytesOf("LINK2.HOP"), before);

    const CliRun forced =
        cli({"hop", "new", "--from", "seven.json", "--output", "LINK2.HOP", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_EQ(showJson("LINK2.HOP")["record"]["radioName"], "RL7-34");

    // A longer file replaced by force keeps nothing of its old tail.
    writeFile(at("LONG.HOP"), std::string(1000, 'x'));
    ASSERT_EQ(
        cli({"hop", "new", "--from", "seven.json", "--output", "LONG.HOP", "--force"}).exitCode, 0);
    EXPECT_EQ(bytesOf("LONG.HOP"), bytesOf("LINK2.HOP"));
}

} // namespace
} // namespace korvel
