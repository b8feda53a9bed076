// korvel-cli and the files it names: names of any characters reach their files, names kept
// inside files are Windows-1252, a route writes only over route and hop files, "--output -"
// names no file, and route calc --save keeps the route whole.

#include <sys/stat.h>

#include <cstdio>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

using FileNames = CliTest;
using RouteWrites = CliTest;
using StandardOutput = CliTest;

ino_t inodeOf(const std::filesystem::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Fixed: the report's file name line held the name's UTF-8 bytes inside a Windows-1252 report.
TEST_F(FileNames, AnyNameReachesItsFileAndTheReportWritesItInWindows1252) {
    std::filesystem::copy_file(at("LINK7.HOP"), at("Zürich.HOP"));
    std::filesystem::copy_file(at("LINK7.HOP"), at("東京.HOP"));
    const CliRun tokyo = cli("calc 東京.HOP");
    EXPECT_EQ(tokyo.exitCode, 0);
    EXPECT_TRUE(tokyo.out.starts_with("== 東京.HOP\n")) << tokyo.out;
    ASSERT_EQ(cli("hop new --from seven.json --output 大阪.HOP").exitCode, 0);
    EXPECT_EQ(bytesOf("大阪.HOP").size(), 682u);
    for (const auto& [hop, shown] :
         {std::pair{"Zürich.HOP", "<Z\xFCrich.HOP>"}, {"東京.HOP", "<??.HOP>"}}) {
        ASSERT_EQ(cli(std::string("report hop ") + hop + " --output r.txt --force").exitCode, 0);
        EXPECT_TRUE(bytesOf("r.txt").ends_with(std::string("\r\n") + shown +
                                               "\r\n<Library: Korvel sample 1>\r\n"))
            << hop;
    }
}

// Fixed: a route named "東京.ROU" kept its name as "??.ROU" and was written back to that file.
TEST_F(FileNames, ARouteNameWindows1252CannotHoldIsRefused) {
    writeFile(at("plan.json"), R"({"hops": [{"file": "東京.HOP"}]})");
    expectRefused("route new --from plan.json --output NEW.ROU",
                  "plan.json: hops[0].file: has characters outside Windows-1252", "NEW.ROU");
    writeFile(at("plan.json"), R"({"hops": [{"file": "A.HOP"}]})");
    expectRefused("route new --from plan.json --output 東京.ROU",
                  "東京.ROU: a route file name holds only Windows-1252 characters", "東京.ROU", 4);
    EXPECT_FALSE(std::filesystem::exists(at("??.ROU")) || std::filesystem::exists(at("A.HOP")));
    std::filesystem::copy_file(at("COAST.ROU"), at("東京.ROU"));
    expectRefused("route calc 東京.ROU --save",
                  "東京.ROU: a route file name holds only Windows-1252 characters", "COAST1.HOP");
    EXPECT_FALSE(std::filesystem::exists(at("??.ROU")));
    // A name Windows-1252 holds is kept as it is.
    ASSERT_EQ(cli("route new --from plan.json --output Mäntsälä.ROU").exitCode, 0);
    const CliRun shown = cli("route Mäntsälä.ROU");
    EXPECT_TRUE(shown.out.starts_with("Route: Mäntsälä.ROU")) << shown.out << shown.err;
}

// Fixed: route new --force wrote the route over the equipment library or a hop; write-hops
// wrote hops before it met a slot that is not a hop file, and deleted a slot linked to a device.
TEST_F(RouteWrites, OnlyARouteFileAndHopFilesAreReplaced) {
    writeFile(at("plan.json"), R"({"hops": [{"file": "A.HOP"}, {"file": "B.HOP"}]})");
    for (const char* target : {"korvel32.lbr", "LINK7.HOP"}) {
        expectRefused(std::string("route new --from plan.json --force --output ") + target,
                      std::string(target) +
                          " exists and is not a Korvel routefile: it is not replaced.",
                      target);
        EXPECT_FALSE(std::filesystem::exists(at("A.HOP"))) << target;
    }
    writeFile(at("B.HOP"), "notes, not a hop");
    expectRefused("route new --from plan.json --output NEW.ROU",
                  "B.HOP exists and is not a Korvel hop file: it is not replaced.", "NEW.ROU");
    EXPECT_FALSE(std::filesystem::exists(at("A.HOP")));

    std::filesystem::remove(at("COAST3.HOP"));
    std::filesystem::create_symlink("/dev/null", at("COAST3.HOP"));
    const ino_t first = inodeOf(at("COAST1.HOP"));
    const CliRun run = cli("route write-hops COAST.ROU --radio-data");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "COAST3.HOP exists and is not a Korvel hop file")) << run.err;
    EXPECT_EQ(inodeOf(at("COAST1.HOP")), first) << "a hop was written before the refusal";
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(at("COAST3.HOP"))));
}

// Fixed: route calc --save wrote the hop files but not the route's outages and rain, so the
// route report had no rain column where korvel-cli route showed the rain.
TEST_F(RouteWrites, RouteCalcSaveStoresTheSlotsTheReportPrints) {
    ASSERT_EQ(cli("rain COAST2.HOP --rate 42 --polarization horizontal --save").exitCode, 0);
    ASSERT_EQ(cli("route calc COAST.ROU --save").exitCode, 0);
    const double rain =
        nlohmann::json::parse(cli("route --json COAST.ROU").out)["hops"][1]["rainUnavail"];
    ASSERT_GT(rain, 0.0);
    ASSERT_EQ(cli("report route COAST.ROU --format tsv --output coast.tsv").exitCode, 0);
    char cell[32];
    std::snprintf(cell, sizeof cell, "\t%7.4f\t%%", rain);
    EXPECT_TRUE(contains(bytesOf("coast.tsv"), cell)) << bytesOf("coast.tsv");
}

// Fixed: "--output -" made a file named "-".
TEST_F(StandardOutput, DashIsRefusedAndNoFileNamedDashIsMade) {
    writeFile(at("plan.json"), R"({"hops": [{"file": "A.HOP"}]})");
    for (const char* command :
         {"report hop LINK7.HOP --output -", "report route COAST.ROU --output -",
          "hop new --from seven.json --output -", "route new --from plan.json --output -",
          "library build " KORVEL_SAMPLE_SOURCES "/library.json --output -"}) {
        expectRefused(command, "\"-\" (standard output) is not offered: name a file", "-");
    }
}

} // namespace
} // namespace korvel
