// korvel-cli sites, profile and export at the edges: values beyond the earth, profiles that
// would be refused when read back, elevation models that are not plain files, damaged modules,
// and exports that could not read all they show.

#include <sys/stat.h>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

const std::string kSites = "LINK7.HOP.sites.json";

using GeoLimits = CliTest;

// Mended: --elevation nan, inf and 1e309 were written, and the sites file was refused on the
// next read; 1e308 printed 309 digits.
TEST_F(GeoLimits, GroundElevationsBeyondTheEarthAreNeverWritten) {
    for (const std::string value : {"nan", "inf", "1e309", "1e308", "-501", "9000.5"}) {
        expectRefused("sites LINK7.HOP --set 1 60.62 25.15 --elevation " + value,
                      "--elevation " + value +
                          ": the ground elevation is a number from -500 to 9000 m\n",
                      kSites);
    }
    EXPECT_EQ(cli("sites LINK7.HOP --set 1 60.62 25.15 --elevation -500").exitCode, 0);
}

// Mended: identical sites and a step of 1e-300 m saved a one-point profile, the next read
// refused; a point before 0 km and a file of a million points were saved likewise; a rule c of
// 1e308 or a k of 1e-310 printed infinite heights.
TEST_F(GeoLimits, ProfilesTheReaderWouldRefuseAreNeverSaved) {
    std::string huge;
    for (int i = 0; i <= 100000; ++i) {
        huge += std::to_string(i * 0.0004) + ",1\n";
    }
    writeFile(at("huge.csv"), huge);
    writeFile(at("before.csv"), "-0.01,1\n40,1\n");
    const std::pair<std::string, std::string> refusals[] = {
        {"--step 1e-300 " + kDem, "the step must be at least 9.27 m, a tenth of the model's cell"},
        {"--csv before.csv", "before.csv: line 1: distance -0.010 km is before station 1"},
        {"--csv huge.csv", "huge.csv: line 100001: a profile holds at most 100000 points"},
        {"--k 1e-310", "--k 1e-310: expected a number or a fraction such as 4/3 from 0.1 to "
                       "1000000000, or ke"},
        {"--rule 1e308@4/3", "--rule 1e308@4/3: expected c@k, c a number from 0 to 5 and k"},
    };
    for (const auto& [args, message] : refusals) {
        expectRefused("profile LINK7.HOP --save " + args, message, kSites);
    }
    ASSERT_EQ(cli("sites LINK7.HOP --set 2 60.62 25.15").exitCode, 0);
    expectRefused("profile LINK7.HOP --save " + kDem,
                  "LINK7.HOP: the two sites are at the same place", kSites);
}

// Mended: a stored profile of a 40 km hop was used for the same hop made 30 km long.
TEST_F(GeoLimits, AProfileThatDoesNotEndAtStation2IsNotUsedOrSaved) {
    patchDouble("LINK7.HOP", "SHORT.HOP", kHopLengthOffset, 30.0);
    writeFile(at("SHORT.HOP.sites.json"), bytesOf(kSites));
    expectRefused("profile SHORT.HOP", "SHORT.HOP.sites.json: the profile ends at 40.0",
                  "SHORT.HOP.sites.json");
    expectRefused("profile SHORT.HOP --save " + kDem,
                  "but the hop is 30.000 km long; the "
                  "profile is not saved",
                  "SHORT.HOP.sites.json");
}

// Mended: a FIFO as --dem hung the tool, a missing file said "not a raster GDAL reads", and
// "MEM:::" names reached GDAL unasked.
TEST_F(GeoLimits, ElevationModelsAreRegularFilesUnlessGdalNamesAreAskedFor) {
    ASSERT_EQ(::mkfifo(at("pipe.tif").c_str(), 0600), 0);
    const std::pair<std::string, std::string> refusals[] = {
        {"--dem pipe.tif", "korvel-cli: pipe.tif: not a regular file\n"},
        {"--dem absent.tif", "korvel-cli: absent.tif: the file is missing\n"},
        {"--dem MEM:::DATAPOINTER=0x1,PIXELS=9,LINES=9", "the file is missing\n"},
        {"--dem-gdal-names --dem /vsimem/absent.tif", "absent.tif: not a raster GDAL reads"},
    };
    for (const auto& [args, message] : refusals) {
        expectRefused("profile LINK7.HOP " + args, message, kSites);
        expectRefused("sites LINK7.HOP --set 1 60.6 25.1 " + args, message, kSites);
    }
}

// Mended: a module cut short crashed korvel-cli with a bus error.
TEST_F(GeoLimits, ADamagedElevationModuleIsRefused) {
    const auto program = root_ / "bin" / "korvel-cli";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(KORVEL_CLI, program);
    const auto module =
        std::filesystem::path(KORVEL_CLI).parent_path() / "korvel-elevation-gdal.so";
    const std::string whole = readFileText(module);
    writeFile(program.parent_path() / module.filename(), whole.substr(0, whole.size() / 2));
    const CliRun run = this->run(program, "profile LINK7.HOP --save " + kDem);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "korvel-elevation-gdal.so is damaged (cut short")) << run.err;
}

// Mended: a route export went on without a hop it could not read and said it was done; a FIFO
// as the output was replaced by a file.
TEST_F(GeoLimits, ExportsThatMissAHopOrMeetAFifoWriteNothing) {
    writeFile(at("COAST3.HOP.sites.json"), "{");
    expectRefused("export kml COAST.ROU --output coast.kml",
                  "COAST3.HOP.sites.json: ", "coast.kml");
    std::filesystem::remove(at("COAST3.HOP.sites.json"));
    std::filesystem::remove(at("COAST2.HOP"));
    const CliRun run = expectRefused("export geojson COAST.ROU --output coast.geojson",
                                     "COAST2.HOP: cannot read", "coast.geojson");
    EXPECT_TRUE(contains(run.err, "COAST.ROU: a hop or its sites could not be read; nothing "
                                  "written"))
        << run.err;
    ASSERT_EQ(::mkfifo(at("pipe.kml").c_str(), 0600), 0);
    expectRefused("export kml LINK7.HOP --output pipe.kml --force",
                  "pipe.kml: cannot write (not a regular file)");
    EXPECT_TRUE(std::filesystem::is_fifo(at("pipe.kml")));
}

// Mended: a sweep of the rain rate to 1e12 mm/h printed outages of thousands of percent.
TEST_F(GeoLimits, RainRatesBeyondWhatAHopKeepsAreRefused) {
    expectRefused("sweep LINK23FD.HOP --vary rain-rate --to 1e12",
                  "The rain rate must be from 0 to 32767 mm/h.", "LINK23FD.HOP", 4);
}

} // namespace
} // namespace korvel
