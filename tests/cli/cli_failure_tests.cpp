// korvel-cli on bad input, one group per kind of failure: unreadable inputs, outputs that must
// not be left half-made, honest exit statuses, strict JSON, hops and routes the rules refuse,
// and recalculating a route.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using UnreadableInput = CliTest;
using NoHalfMadeOutput = CliTest;
using ExitStatus = CliTest;
using StrictJson = CliTest;
using RefusedByRule = CliTest;
using RouteCalc = CliTest;

// Mended: hop new, library build and route new ended with an uncaught exception on a folder.
TEST_F(UnreadableInput, AFolderWhereAFileIsExpectedCannotBeRead) {
    std::filesystem::create_directory(at("DIR"));
    for (const char* args :
         {"hop new --from DIR --output X.HOP", "library build DIR --output X.HOP",
          "route new --from DIR --output X.HOP", "hop show DIR"}) {
        expectRefused(args, "korvel-cli: DIR: cannot read\n", "X.HOP");
    }
    writeFile(at("seven.json"), exampleSource("LINK7").dump());
    const CliRun output = cli("hop new --from seven.json --output DIR --force");
    EXPECT_TRUE(output.exitCode == 2 && contains(output.err, "DIR: cannot write")) << output.err;
    EXPECT_TRUE(std::filesystem::is_empty(at("DIR")));
}

// Mended: a missing profile silently gave the locale's dates; a route file name too long for
// the route file gave "Could not open" for a file that exists.
TEST_F(UnreadableInput, AMissingProfileAndATooLongRouteNameAreNamed) {
    const CliRun profile =
        cliBare("--library korvel32.lbr --profile nope.ini report hop LINK7.HOP --output r.txt");
    EXPECT_TRUE(profile.exitCode == 2 && contains(profile.err, "nope.ini: cannot read"))
        << profile.err;
    EXPECT_FALSE(std::filesystem::exists(at("r.txt")));
    const std::string longName = std::string(46, 'r') + ".ROU";
    std::filesystem::copy_file(at("COAST.ROU"), at(longName));
    expectRefused("route " + longName, "at most 49 characters", longName);
    EXPECT_TRUE(contains(cli("--verbose calc LINK7.HOP").err, "library: korvel32.lbr\n"));
}

TEST_F(NoHalfMadeOutput, AFailedWriteLeavesNoFileAndLongNamesSave) {
    writeFile(at("seven.json"), exampleSource("LINK7").dump());
    // Mended: the temporary name of a hop name of 250 bytes was too long to be made.
    const std::string longName = std::string(250, 'h') + ".HOP";
    const CliRun saved = cli("hop new --from seven.json --output " + longName);
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(bytesOf(longName).size(), 682u);
    // An output in a folder that does not exist: nothing made, not even an empty file.
    expectRefused("hop new --from seven.json --output none/X.HOP", "none/X.HOP: cannot write",
                  "none/X.HOP");
    expectRefused("report hop LINK7.HOP --output none/r.txt", "Cannot open none/r.txt",
                  "none/r.txt");
}

// Mended: a route whose hop was named "." wrote the route file, then failed on the folder; two
// hops naming one file shared its stations and length.
TEST_F(NoHalfMadeOutput, ARouteThatCannotBeCompletedIsRefusedBeforeAnythingIsWritten) {
    for (const char* hops :
         {R"([{"file": "A.HOP"}, {"file": "."}])", R"([{"file": "A.HOP"}, {"file": "A"}])"}) {
        writeFile(at("plan.json"), std::string(R"({"objectivePct": 0.01, "hops": )") + hops + "}");
        expectRefused("route new --from plan.json --output NEW.ROU",
                      "Korvel: Invalid hop filename.\n", "NEW.ROU", 4);
        EXPECT_FALSE(std::filesystem::exists(at("A.HOP"))) << hops;
    }
}

TEST_F(ExitStatus, FailuresThatPrintedSomethingAreStillFailures) {
    // Mended: a full standard output went unnoticed.
    const std::string command = "cd '" + work_.string() +
                                "' && '" KORVEL_CLI
                                "' --library korvel32.lbr calc LINK7.HOP >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    // Mended: a route with a hop file that cannot be read showed it cleared and exited 0.
    std::filesystem::remove(at("COAST3.HOP"));
    const CliRun route = cli("route COAST.ROU");
    EXPECT_EQ(route.exitCode, 2);
    EXPECT_TRUE(contains(route.out, "  3  COAST3.HOP") && contains(route.err, "COAST3.HOP"));
    EXPECT_EQ(cli("report route COAST.ROU --output coast.txt").exitCode, 2);
    // Mended: a NaN in a file gave "nan" results and saved them.
    ASSERT_NO_FATAL_FAILURE(patchDouble("LINK7.HOP", "NAN.HOP", kPtxOffset, std::nan("")));
    expectRefused("calc --save NAN.HOP",
                  "NAN.HOP: the calculation gave a result that is not a "
                  "finite number",
                  "NAN.HOP", 3);
    // Mended: an empty --choose listed the combinations and exited 0.
    for (const char* choice : {"''", "1x", "' 1'"}) {
        expectRefused(std::string("optimize LINK7.HOP --save --choose ") + choice,
                      "is not the number of a line");
    }
}

TEST_F(StrictJson, UnknownFieldsAndTextsThatCannotBeStoredAreRefused) {
    for (const auto& [document, error] :
         {std::pair{R"({"record": {"hopLenghtKm": 10}})", "unknown field record.hopLenghtKm"},
          {R"({"recrod": {}})", "unknown field recrod"},
          // Mended: a character Windows-1252 cannot hold was stored as "?".
          {R"({"record": {"info": "Ω link"}})", "record.info"}}) {
        writeFile(at("bad.json"), document);
        expectRefused("hop new --from bad.json --output BAD.HOP", error, "BAD.HOP");
    }
    // Mended: route new ignored misspelt fields, cut long texts and showed the parser's own
    // exception text.
    for (const auto& [hop, error] :
         {std::pair{R"({"file": "A", "lenghtKm": 3})", "hops[0].lenghtKm is not a field"},
          {R"({"file": "A", "station1": "a station of twenty c"})",
           "hops[0].station1 is longer than 19 characters"},
          {R"({"file": 7})", "hops[0].file must be a text"},
          {R"({"station1": "X"})", "hops[0].file is missing"}}) {
        writeFile(at("plan.json"), std::string(R"({"hops": [)") + hop + "]}");
        expectRefused("route new --from plan.json --output NEW.ROU", error, "NEW.ROU");
    }
}

// Mended: hop new wrote hops that the Basics and Form pages refuse.
TEST_F(RefusedByRule, HopNewRefusesWhatThePagesRefuseWithTheirMessages) {
    for (const auto& [field, value, message] :
         {std::tuple{"hopLengthKm", 0.05, "Error: Invalid value : Hop length.\n"},
          {"longitudeDeg", 181.0, "Error: Invalid value: Longitude\n"},
          {"latitudeDeg", -1.0, "Error: Invalid value: Latitude\n"},
          {"pLPct", 120.0, "Error: Invalid value: pL\n"},
          {"antenna2HeightM", 0.0, "Error: Invalid value : Antenna heights must be non zero.\n"},
          {"connector1LossDb", -0.5, "Korvel: Invalid data.\n"},
          {"feeder1LengthM", -3.0, "Error!: Invalid data : Feeder1 length\n"}}) {
        nlohmann::json hop = exampleSource("LINK7");
        hop["record"][field] = value;
        writeFile(at("bad.json"), hop.dump());
        expectRefused("hop new --from bad.json --output BAD.HOP",
                      message + std::string("korvel-cli: bad.json: record.") + field +
                          " is refused\n",
                      "BAD.HOP", 4);
    }
}

TEST_F(RouteCalc, CalculatesEveryHopAndSavesOnlyWhenAsked) {
    const std::string before = bytesOf("COAST2.HOP");
    const CliRun run = cli("route calc COAST.ROU");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(bytesOf("COAST2.HOP"), before) << "changed without --save";
    EXPECT_TRUE(contains(run.out, "\nDesign margin        : ")) << run.out;
    ASSERT_EQ(cli("route calc COAST.ROU --save").out, run.out);
    EXPECT_EQ(cli("route COAST.ROU").out, run.out) << "the saved hops give the same table";
}

} // namespace
} // namespace korvel
