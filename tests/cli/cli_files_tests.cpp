// korvel-cli hop show / hop new, library build / show and the command line: the JSON round
// trips, New defaults, refused input, usage errors, existing outputs, --help and --version.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

const std::string kLibrarySource = std::string(KORVEL_SAMPLE_SOURCES) + "/library.json";

using Hop = CliTest;
using Library = CliTest;
using Usage = CliTest;

TEST_F(Hop, ShowThenNewGivesTheSameBytes) {
    for (const char* file : {"LINK7.HOP", "LINK15SD.HOP", "LINK23FD.HOP", "LINK2.HOP"}) {
        SCOPED_TRACE(file);
        const CliRun show = cli(std::string("hop show --json ") + file);
        const auto shown = nlohmann::ordered_json::parse(show.out);
        EXPECT_EQ(keysOf(shown), lines("version selection record results resultsCurrent", ' '));
        EXPECT_EQ(shown["resultsCurrent"], true) << "the examples are calculated by the build";
        writeFile(at("shown.json"), show.out);
        ASSERT_EQ(cli("hop new --from shown.json --output COPY.HOP --force").exitCode, 0);
        EXPECT_EQ(bytesOf("COPY.HOP"), bytesOf(file));
    }
}

TEST_F(Hop, FieldsMissingFromTheJsonTakeTheirNewDefaults) {
    // The fewest fields the pages need besides their New defaults.
    const nlohmann::json path = {
        {"record", {{"hopLengthKm", 10.0}, {"antenna1HeightM", 20.0}, {"antenna2HeightM", 20.0}}}};
    ASSERT_NO_FATAL_FAILURE(makeHop("BLANK.HOP", path));
    const auto blank = showJson("BLANK.HOP");
    EXPECT_EQ(blank["results"]["rainAnnualPct"], -1);
    // One field more: only that field differs from the blank hop.
    auto named = path;
    named["record"]["station1Name"] = "Jyväskylä";
    named["results"] = nlohmann::json::object();
    ASSERT_NO_FATAL_FAILURE(makeHop("NAMED.HOP", named));
    auto expected = blank;
    expected["record"]["station1Name"] = "Jyväskylä";
    EXPECT_EQ(showJson("NAMED.HOP"), expected);
}

TEST_F(Hop, NewRefusesBadFieldsNamingTheField) {
    for (const auto& [document, field] :
         {std::pair{R"({"record": {"frequencyGHz": "high"}})", "record.frequencyGHz"},
          {R"({"record": {"polarization": 2000.5}})", "record.polarization"},
          {R"({"selection": {"antennaIndex": [1, 2]}})", "selection.antennaIndex"},
          {R"({"selection": {"radioIndex": 32768}})", "selection.radioIndex"},
          {R"({"record": {"radioName": "a name of twenty chars"}})", "record.radioName"},
          {R"({"results": [1, 2]})", "results"},
          {R"({"record": )", "not valid JSON: line 1, column 12: the text ends before"}}) {
        writeFile(at("bad.json"), document);
        expectRefused("hop new --from bad.json --output BAD.HOP", std::string("bad.json: ") + field,
                      "BAD.HOP");
    }
}

TEST_F(Library, BuildShowBuildGivesIdenticalBytes) {
    ASSERT_EQ(cli("library build " + kLibrarySource + " --output first.lbr").exitCode, 0);
    EXPECT_EQ(bytesOf("first.lbr"), bytesOf("korvel32.lbr"));
    const CliRun show = cli("library show --json first.lbr");
    writeFile(at("shown.json"), show.out);
    ASSERT_EQ(cli("library build shown.json --output second.lbr").exitCode, 0);
    EXPECT_EQ(bytesOf("second.lbr"), bytesOf("first.lbr"));

    const auto radios = nlohmann::json::parse(show.out)["radios"];
    EXPECT_EQ(radios.back()["name"], "OTHER");
    const std::string text = cli("library show first.lbr").out;
    EXPECT_TRUE(contains(text, "\nRadios (" + std::to_string(radios.size()) + "):\n")) << text;
}

// A library that cannot be read at all is the damaged-input tests' /dev/zero.
TEST_F(Library, UnreadableLibraryIsUnusable) {
    const CliRun run = cliBare("--library LINK7.HOP calc LINK7.HOP");
    EXPECT_TRUE(run.exitCode == 2 && run.out.empty() &&
                contains(run.err, "LINK7.HOP: not a valid equipment library"))
        << run.err;
    expectRefused("library show LINK7.HOP", "Incorrect libraryfile.");
}

TEST_F(Usage, ErrorsGiveStatusTwoAndTouchNothingWhileHelpAndVersionPrint) {
    for (const char* args :
         {"", "frobnicate", "calc", "hop", "calc --fast LINK7.HOP", "rain LINK7.HOP --save",
          "rain LINK7.HOP --rate 42 --polarization circular --save", "hop new --from x.json",
          "optimize LINK7.HOP --choose first", "optimize LINK7.HOP --save",
          "report hop LINK7.HOP --lang de --output r.txt"}) {
        expectRefused(args, "\n"); // some message, whatever its wording
    }
    EXPECT_TRUE(cliBare("--version").out.starts_with("korvel-cli "));
    EXPECT_TRUE(contains(cliBare("calc --help").out, "--save"));
}

// Only the command a line names is built: it is found after global options whose values are
// command names, and help without a command still lists every command.
TEST_F(Usage, TheNamedCommandIsFoundAfterGlobalOptionsAndHelpListsEveryCommand) {
    std::filesystem::copy_file(at("korvel32.lbr"), at("route"));
    for (const char* args : {"--library route calc LINK7.HOP", "--library= route calc LINK7.HOP",
                             "--profile calc --verbose --library=route calc LINK7.HOP"}) {
        const CliRun run = cliBare(args);
        EXPECT_TRUE(run.exitCode == 0 && run.out.starts_with("== LINK7.HOP\n")) << args;
    }
    const std::string help = cliBare("--verbose --help").out;
    for (const char* command : {"calc", "rain", "budget", "sweep", "hop", "library", "optimize",
                                "route", "report", "profile", "sites", "export", "climate"}) {
        EXPECT_TRUE(contains(help, std::string("\n  ") + command + " ")) << command;
    }
}

TEST_F(Usage, ExistingOutputIsKeptUnlessForcedAndThenReplacedWhole) {
    for (const std::string command :
         {"hop new --from seven.json", "library build " KORVEL_SAMPLE_SOURCES "/library.json",
          "report hop LINK7.HOP"}) {
        std::filesystem::remove(at("NEW.HOP"));
        writeFile(at("OUT.HOP"), std::string(100000, 'x')); // longer than any output
        expectRefused(command + " --output OUT.HOP", "OUT.HOP exists already", "OUT.HOP");
        EXPECT_EQ(cli(command + " --output OUT.HOP --force").exitCode, 0) << command;
        ASSERT_EQ(cli(command + " --output NEW.HOP").exitCode, 0) << command;
        EXPECT_EQ(bytesOf("OUT.HOP"), bytesOf("NEW.HOP")) << command;
    }
}

} // namespace
} // namespace korvel
