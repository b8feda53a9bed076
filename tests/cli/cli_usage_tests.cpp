// korvel-cli command line: usage errors, --help and --version.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class UsageError : public CliTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageError, GivesStatusTwoAndTouchesNothing) {
    const std::string before = bytesOf("LINK7.HOP");
    const CliRun run = cli(GetParam().args);
    EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(bytesOf("LINK7.HOP"), before);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageError,
    testing::Values(UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"frobnicate"}},
                    UsageCase{"CalcWithoutFile", {"calc"}},
                    UsageCase{"UnknownOption", {"calc", "--fast", "LINK7.HOP"}},
                    UsageCase{"RainWithoutRate", {"rain", "LINK7.HOP", "--save"}},
                    UsageCase{"RainBadPolarization",
                              {"rain", "LINK7.HOP", "--rate", "42", "--polarization", "circular",
                               "--save"}},
                    UsageCase{"HopWithoutSubcommand", {"hop"}},
                    UsageCase{"HopNewWithoutOutput", {"hop", "new", "--from", "x.json"}},
                    UsageCase{"LibraryWithoutSubcommand", {"library"}},
                    UsageCase{"ChooseNotANumber", {"optimize", "LINK7.HOP", "--choose", "first"}}),
    [](const auto& named) { return std::string(named.param.name); });

using Usage = CliTest;

TEST_F(Usage, VersionAndHelpSucceed) {
    const CliRun version = cliBare({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("korvel-cli ")) << version.out;

    const CliRun help = cliBare({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"calc", "rain", "hop", "library", "optimize"}) {
        EXPECT_TRUE(contains(help.out, command)) << command;
    }
    const CliRun calcHelp = cliBare({"calc", "--help"});
    EXPECT_EQ(calcHelp.exitCode, 0);
    EXPECT_TRUE(contains(calcHelp.out, "--save")) << calcHelp.out;
}

} // namespace
} // namespace korvel
