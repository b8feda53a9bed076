// korvel-cli command line: usage errors, existing outputs, --help and --version.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using Usage = CliTest;

TEST_F(Usage, ErrorsGiveStatusTwoAndTouchNothing) {
    for (const char* args :
         {"", "frobnicate", "calc", "hop", "calc --fast LINK7.HOP", "rain LINK7.HOP --save",
          "rain LINK7.HOP --rate 42 --polarization circular --save", "hop new --from x.json",
          "optimize LINK7.HOP --choose first", "optimize LINK7.HOP --save",
          "report hop LINK7.HOP --lang de --output r.txt"}) {
        expectRefused(lines(args, ' '), "\n"); // some message, whatever its wording
    }
    expectRefused(lines("report hop NOPE.HOP --output r.txt", ' '), "NOPE.HOP", "r.txt");
}

TEST_F(Usage, ExistingOutputIsKeptUnlessForcedAndThenReplacedWhole) {
    writeFile(at("seven.json"), exampleSource("LINK7").dump());
    for (const std::string command :
         {"hop new --from seven.json", "library build " KORVEL_SAMPLE_SOURCES "/library.json",
          "report hop LINK7.HOP"}) {
        writeFile(at("OUT.HOP"), std::string(100000, 'x')); // longer than any output
        auto args = lines(command + " --output OUT.HOP", ' ');
        expectRefused(args, "OUT.HOP exists already", "OUT.HOP");
        args.push_back("--force");
        EXPECT_EQ(cli(args).exitCode, 0) << command;
        args[args.size() - 2] = "NEW.HOP";
        ASSERT_EQ(cli(args).exitCode, 0) << command;
        EXPECT_EQ(bytesOf("OUT.HOP"), bytesOf("NEW.HOP")) << command;
    }
}

TEST_F(Usage, VersionAndHelpSucceed) {
    const CliRun version = cliBare({"--version"});
    EXPECT_TRUE(version.exitCode == 0 && version.out.starts_with("korvel-cli ")) << version.out;
    const CliRun help = cliBare({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"calc", "rain", "hop", "library", "optimize", "route", "report"}) {
        EXPECT_TRUE(contains(help.out, command)) << command;
    }
    const CliRun calcHelp = cliBare({"calc", "--help"});
    EXPECT_TRUE(calcHelp.exitCode == 0 && contains(calcHelp.out, "--save")) << calcHelp.out;
}

} // namespace
} // namespace korvel
