// korvel-cli on files that are not what they are named as: special files named as inputs, and
// hop files whose values are damaged inside a well-formed layout.

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using PipesAndDevices = CliTest;
using DamagedValues = CliTest;

constexpr std::size_t kSelectiveFadingOffset = 282; // int16 in the 682-byte hop file

// Mended: a FIFO named as a hop blocked every command for ever; --library /dev/zero read
// without bound.
TEST_F(PipesAndDevices, FifosAndDevicesAreRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(at("PIPE.HOP").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    for (const char* args :
         {"calc PIPE.HOP", "hop show PIPE.HOP", "report hop PIPE.HOP --output r.txt"}) {
        expectRefused(args, "korvel-cli: PIPE.HOP: not a regular file\n", "r.txt");
    }
    expectRefused("hop new --from PIPE.HOP --output X.HOP", "PIPE.HOP: not a regular file",
                  "X.HOP");
    const CliRun library = cliBare("--library /dev/zero calc LINK7.HOP");
    EXPECT_EQ(library.exitCode, 2);
    EXPECT_TRUE(contains(library.err, "/dev/zero: not a regular file")) << library.err;
    // A route whose hop slot names a FIFO names that hop and goes on with the others.
    std::filesystem::remove(at("COAST2.HOP"));
    ASSERT_EQ(::mkfifo(at("COAST2.HOP").c_str(), 0600), 0);
    for (const char* command : {"route COAST.ROU", "route calc COAST.ROU"}) {
        const CliRun route = cli(command);
        EXPECT_EQ(route.exitCode, 2) << command;
        EXPECT_TRUE(contains(route.err, "hop 2 (COAST2.HOP): not a regular file")) << route.err;
        EXPECT_TRUE(contains(route.out, "  3  COAST3.HOP")) << route.out;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

// Mended: selectiveFading = 32767 gave a 278 % outage with exit 0; NaN, infinite and 1e308
// inputs opened without a word and printed as "nan" or 309 digits.
TEST_F(DamagedValues, DamagedChoicesAndNumbersRefuseTheHopNamingTheField) {
    std::string bytes = bytesOf("LINK7.HOP");
    bytes[kSelectiveFadingOffset] = '\xff';
    bytes[kSelectiveFadingOffset + 1] = '\x7f';
    writeFile(at("FADE.HOP"), bytes);
    for (const char* command : {"calc FADE.HOP", "hop show FADE.HOP"}) {
        expectRefused(command,
                      "FADE.HOP: the value of record.selectiveFading (32767) is not one "
                      "of its choices\n",
                      "FADE.HOP");
    }
    const std::pair<double, const char*> damaged[] = {
        {std::nan(""), "(nan) is not a finite number"},
        {std::numeric_limits<double>::infinity(), "(inf) is not a finite number"},
        {1e308, "(1e+308) is beyond any hop"}};
    for (const auto& [value, problem] : damaged) {
        ASSERT_NO_FATAL_FAILURE(patchDouble("LINK7.HOP", "BAD.HOP", kHopLengthOffset, value));
        expectRefused("calc --save BAD.HOP",
                      std::string("BAD.HOP: the value of record.hopLengthKm ") + problem,
                      "BAD.HOP");
        expectRefused("report hop BAD.HOP --output r.txt", "record.hopLengthKm", "r.txt");
    }
}

TEST_F(DamagedValues, ARouteWithADamagedDivisionMethodIsRefused) {
    constexpr std::size_t kDivisionMethodOffset = 488; // int16 in the 5638-byte route file
    std::string bytes = bytesOf("COAST.ROU");
    bytes[kDivisionMethodOffset] = '\xff';
    bytes[kDivisionMethodOffset + 1] = '\x7f';
    writeFile(at("BAD.ROU"), bytes);
    expectRefused("route BAD.ROU",
                  "BAD.ROU: the value of route.divisionMethod (32767) is not one of its choices",
                  "BAD.ROU");
}

} // namespace
} // namespace korvel
