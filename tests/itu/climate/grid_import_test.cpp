// Importing synthetic grids written in each ITU layout (text, .npz, zips inside zips), looking
// them up through the cache, and the refusals: each names its file, and none leaves a grid.
#include <gtest/gtest.h>

#include <cstdlib>

#include "itu/climate/climate_inputs_at.h"
#include "itu/climate/climate_maps.h"
#include "itu/climate/sha256.h"
#include "itu/hop_methods.h"
#include "support/synthetic_climate.h"
#include "support/temp_folder.h"
#include "zip_file.h"

namespace korvel {
namespace {

using test::SyntheticLayout;

const SyntheticLayout kNorthWest{5.0, true, -180.0, false};  // LogK, dN75
const SyntheticLayout kNorthZero{5.0, true, 0.0, false};     // dN1, s_a
const SyntheticLayout kSouthWest{5.0, false, -180.0, false}; // R001, T
const SyntheticLayout kSouthHalf{5.0, false, -180.0, true};  // MT

struct LayoutCase {
    const char* name;
    ClimateKind kind;
    SyntheticLayout layout;
    test::GridFormula formula;
};

class ClimateImport : public testing::Test {
  protected:
    ImportResult import(std::vector<std::filesystem::path> paths,
                        std::optional<ClimateKind> as = std::nullopt,
                        std::uint64_t limit = kUnpackLimit) {
        return importClimateGrids({std::move(paths), as, "2026-12-07", limit});
    }
    // Imports, stores every grid and opens the cache.
    ClimateMaps installed(std::vector<std::filesystem::path> paths) {
        const ImportResult result = import(std::move(paths));
        EXPECT_TRUE(result.errors.empty()) << result.errors.front();
        for (const ImportedGrid& grid : result.grids) {
            EXPECT_TRUE(cache.store(grid));
        }
        std::vector<std::string> errors;
        ClimateMaps maps = ClimateMaps::open(cache, errors);
        EXPECT_TRUE(errors.empty()) << errors.front();
        return maps;
    }
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        test::writeFile(folder / name, bytes);
        return folder / name;
    }
    std::string npz(const std::string& name, const SyntheticLayout& layout,
                    const test::GridFormula& formula) {
        const auto file = folder / name;
        test::writeZip(file, {{"arr_0.npy", test::npyImage(layout.rows(), layout.columns(),
                                                           test::gridValues(layout, formula))}});
        return test::readFileText(file);
    }

    test::TempFolder folder;
    test::TempFolder data;
    ClimateCache cache{data / "climate"};
};

TEST_F(ClimateImport, EachItuLayoutGivesTheFormulaBackAnywhere) {
    const std::vector<LayoutCase> cases = {
        {"R001", ClimateKind::R001, kSouthWest, test::bilinearFormula(100, 0.5, 0.1, 0.001)},
        {"logK", ClimateKind::LogK, kNorthWest, test::bilinearFormula(-5, 0.01, 0.001, 1e-5)},
        {"dN1", ClimateKind::DN1, kNorthZero, test::bilinearFormula(-300, 0.5, 0.1, 0.001)},
        {"sa", ClimateKind::Sa, kNorthZero, test::bilinearFormula(100, 0.5, 0.1, 0.001)},
        {"MT07", monthlyRainKind(7), kSouthHalf, test::bilinearFormula(100, 0.5, 0.1, 0.001)},
        {"T03", monthlyTemperatureKind(3), kSouthWest, test::bilinearFormula(280, 0.1, 0.01, 1e-4)},
    };
    const auto& [r001, logK, dN1, sa, mt, t] =
        std::tie(cases[0], cases[1], cases[2], cases[3], cases[4], cases[5]);
    // The ITU's texts with their latitude and longitude meshes, one inside two zips.
    write("R001.TXT", test::gridText(r001.layout, r001.formula));
    write("LAT_R001.TXT", test::latitudeText(r001.layout));
    write("LON_R001.TXT", test::longitudeText(r001.layout));
    test::writeZip(folder / "inner.zip", {{"R001.TXT", test::readFileText(folder / "R001.TXT")},
                                          {"LAT_R001.TXT", test::latitudeText(r001.layout)},
                                          {"LON_R001.TXT", test::longitudeText(r001.layout)}});
    test::writeZip(folder / "p837.zip",
                   {{"maps/inner.zip", test::readFileText(folder / "inner.zip")},
                    {"MT_Month07.TXT", test::gridText(mt.layout, mt.formula)},
                    {"readme.pdf", "not a grid"}});
    write("LogK.csv", test::gridText(logK.layout, logK.formula, ','));
    write("DN65m_01d00_v1.txt", test::gridText(dN1.layout, dN1.formula));
    // The itur package's arrays, the s_a grid with its latitude and longitude arrays.
    std::filesystem::create_directories(folder / "itur");
    npz("itur/v16_gtopo_30.npz", sa.layout, sa.formula);
    npz("itur/v16_lat.npz", sa.layout, [](double lat, double) { return lat; });
    npz("itur/v16_lon.npz", sa.layout, [](double, double lon) { return lon; });
    npz("itur/v1_t_month03.npz", t.layout, t.formula);

    const ClimateMaps maps = installed(
        {folder / "p837.zip", folder / "LogK.csv", folder / "DN65m_01d00_v1.txt", folder / "itur"});
    const GeoPoint points[] = {{12.3, 45.6}, {-89.9, 179.9}, {90, -180}, {0, -0.01}, {51.5, -0.2}};
    for (std::size_t k = 0; k < cases.size(); ++k) {
        for (const GeoPoint point : points) {
            const auto value = maps.at(cases[k].kind, point);
            ASSERT_TRUE(value) << cases[k].name;
            const bool zeroTo360 = cases[k].layout.westDeg == 0.0 && point.longitudeDeg < 0;
            EXPECT_NEAR(
                value->value,
                cases[k].formula(point.latitudeDeg, point.longitudeDeg + (zeroTo360 ? 360.0 : 0.0)),
                1e-9)
                << cases[k].name << " at " << point.latitudeDeg << ", " << point.longitudeDeg;
        }
    }
    EXPECT_EQ(maps.at(ClimateKind::R001, {1, 2})->source,
              "ITU-R P.837-7 R001.TXT, imported 2026-12-07");
    EXPECT_EQ(maps.grid(ClimateKind::R001)->provenance().sourceFile,
              (folder / "p837.zip").string() + "/maps/inner.zip/R001.TXT");
    EXPECT_EQ(maps.grid(ClimateKind::R001)->provenance().sha256,
              sha256Hex(sha256(test::readFileBytes(folder / "R001.TXT"))));
    EXPECT_FALSE(maps.at(ClimateKind::DN75, {1, 2})); // not imported
    EXPECT_FALSE(maps.monthlyAt({1, 2}));             // 2 of the 24 months only
}

TEST_F(ClimateImport, AHopAcrossTheDateLineReadsTheMapAtItsGeodesicMidpoint) {
    const auto formula = test::bilinearFormula(-300, 0.5, 0.1, 0.001);
    write("DN65m_01d00_v1.txt", test::gridText(kNorthZero, formula));
    const ClimateMaps maps = installed({folder / "DN65m_01d00_v1.txt"});
    HopSites sites;
    sites.stations[0] = SitePosition{-16.0, 179.8, 0.0};
    sites.stations[1] = SitePosition{-16.2, -179.6, 0.0};
    const auto middle = itu::pathMidpoint(&sites);
    ASSERT_TRUE(middle);
    EXPECT_NEAR(middle->latitudeDeg, -16.1, 0.001);
    const double east =
        middle->longitudeDeg < 0 ? middle->longitudeDeg + 360 : middle->longitudeDeg;
    EXPECT_NEAR(east, 180.1, 0.001);
    EXPECT_NEAR(maps.at(ClimateKind::DN1, *middle)->value, formula(middle->latitudeDeg, east),
                1e-9);
    sites.stations[1].reset();
    EXPECT_FALSE(itu::pathMidpoint(&sites));
}

TEST_F(ClimateImport, WithoutTheR001MapRainComesFromTheMonthlyMapsAndTypedValuesComeFirst) {
    itu::MonthlyClimate monthly;
    for (int m = 1; m <= 12; ++m) {
        char name[32];
        const auto month = static_cast<std::size_t>(m - 1);
        monthly.totalRainfallMm[month] = 10.0 * m; // each month its own, so an order fault shows
        monthly.temperatureK[month] = 270.0 + 2.0 * m;
        std::snprintf(name, sizeof name, "MT_Month%02d.TXT", m);
        write(name, test::gridText(kSouthHalf, test::bilinearFormula(10.0 * m, 0, 0, 0)));
        std::snprintf(name, sizeof name, "T_Month%02d.TXT", m);
        write(name, test::gridText(kSouthWest, test::bilinearFormula(270.0 + 2.0 * m, 0, 0, 0)));
    }
    write("LogK.csv", test::gridText(kNorthWest, test::bilinearFormula(-5, 0, 0, 0), ','));
    const ClimateMaps maps = installed({folder.path()});
    const GeoPoint point{10, 10};
    const auto rain = maps.rainRate001At(point);
    ASSERT_TRUE(rain);
    EXPECT_NEAR(rain->value, itu::rainRateExceededMmH(monthly, 0.01), 1e-9);
    EXPECT_EQ(rain->source, "ITU-R P.837-7 Annex 1 on the monthly maps MT01..MT12 and "
                            "ITU-R P.1510-1 T01..T12, imported 2026-12-07");

    ClimateOverrides typed;
    typed[ClimateQuantity::LogK] = -4.0;
    typed[ClimateQuantity::HtM] = 12.0;
    const itu::ClimateInputs inputs = climateInputsAt(maps, point, typed);
    EXPECT_EQ(inputs.logK->value, -4.0);
    EXPECT_EQ(inputs.logK->source, "override");
    EXPECT_EQ(inputs.R001->source, rain->source);
    EXPECT_FALSE(inputs.dN75);
    const itu::ClimateInputs noSites = climateInputsAt(maps, std::nullopt, typed);
    EXPECT_FALSE(noSites.R001);
    EXPECT_EQ(noSites.htM->value, 12.0);
}

TEST_F(ClimateImport, AFileNamedOtherwiseNeedsAsAndTakesIt) {
    const auto file =
        write("mine.txt", test::gridText(kNorthWest, test::bilinearFormula(40, 0, 0, 0)));
    const ImportResult unknown = import({file});
    ASSERT_EQ(unknown.errors.size(), 1u);
    EXPECT_EQ(unknown.errors[0],
              file.string() + ": cannot tell which grid this is from its name or "
                              "shape; name it with --as dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12");
    const ImportResult taken = import({file}, ClimateKind::DN75);
    ASSERT_EQ(taken.grids.size(), 1u);
    EXPECT_EQ(taken.grids[0].kind, ClimateKind::DN75);
}

// A file's kind: --as first, then its name, then an ITU shape no other kind shares.
TEST_F(ClimateImport, AKindComesFromAsThenNameThenShapeAndAShapeThatDoesNotFitIsRefused) {
    const auto flat = test::bilinearFormula(20, 0, 0, 0);
    const auto logK = write("LogK.csv", test::gridText(kNorthWest, flat, ','));
    const auto saShaped = write("roughness.txt", test::gridText({0.5, true, 0.0, false}, flat));
    struct Case {
        std::filesystem::path file;
        std::optional<ClimateKind> as;
        std::optional<ClimateKind> kind; // nothing: refused
    };
    for (const Case& c : std::vector<Case>{{saShaped, {}, ClimateKind::Sa},
                                           {logK, ClimateKind::DN75, ClimateKind::DN75},
                                           {logK, ClimateKind::MT01, {}}}) {
        const ImportResult result = import({c.file}, c.as);
        if (c.kind) {
            ASSERT_EQ(result.grids.size(), 1u) << c.file;
            EXPECT_EQ(result.grids[0].kind, *c.kind) << c.file;
        } else {
            EXPECT_TRUE(result.grids.empty());
            ASSERT_EQ(result.errors.size(), 1u);
            EXPECT_EQ(result.errors[0], c.file.string() + ": 37 rows and 73 columns are not the "
                                                          "shape of a global MT01 grid");
        }
    }
}

struct BadFile {
    const char* name;
    std::function<std::filesystem::path()> make;
    const char* error; // within the message, after the file's name
};

TEST_F(ClimateImport, ABadFileIsRefusedByNameAndNothingIsImported) {
    const auto r001 = test::bilinearFormula(100, 0.5, 0.1, 0.001);
    const auto good =
        write("LogK.csv", test::gridText(kNorthWest, test::bilinearFormula(-5, 0, 0, 0), ','));
    const std::vector<BadFile> cases = {
        {"R001.TXT",
         [&] {
             return write("R001.TXT", test::gridText({5.0, false, -180.0, true}, r001));
         },
         "38 rows and 74 columns are not the shape of a global R001 grid"},
        {"R001.TXT",
         [&] {
             return write("R001.TXT", test::gridText(kSouthWest, [&](double lat, double lon) {
                              return lat == -80 && lon == -160 ? 600.0 : r001(lat, lon);
                          }));
         },
         "row 3, column 5: 600 is outside 0 to 500 mm/h for R001"},
        {"R001.TXT",
         [&] {
             const std::string text = test::gridText(kSouthWest, r001);
             return write("R001.TXT", text.substr(0, text.size() - 20));
         },
         "values where the first row has 73 (cut short?)"},
        {"axes/R001.TXT",
         [&] {
             std::filesystem::create_directories(folder / "axes");
             write("axes/LAT_R001.TXT",
                   test::gridText(kSouthWest, [](double lat, double) { return lat * lat; }));
             write("axes/LON_R001.TXT", test::longitudeText(kSouthWest));
             write("axes/R001.TXT", test::gridText(kSouthWest, r001));
             return folder / "axes";
         },
         "its latitude or longitude file is not a regular axis of 37 rows and 73 columns"},
        {"v7_r001.npz",
         [&] {
             test::writeZip(folder / "v7_r001.npz",
                            {{"arr_0.npy", test::npyImage(1, 1, {}, "<U3")}});
             return folder / "v7_r001.npz";
         },
         "not a numeric array (element type '<U3')"},
        {"cut.zip",
         [&] {
             test::writeZip(folder / "cut.zip", {{"R001.TXT", test::gridText(kSouthWest, r001)}});
             const std::string bytes = test::readFileText(folder / "cut.zip");
             return write("cut.zip", bytes.substr(0, bytes.size() / 2));
         },
         "damaged or cut short"},
    };
    for (const BadFile& bad : cases) {
        const auto file = bad.make();
        const ImportResult result = import({good, file});
        ASSERT_FALSE(result.errors.empty()) << bad.name;
        EXPECT_EQ(result.errors[0].substr(0, (folder / bad.name).string().size() + 2),
                  (folder / bad.name).string() + ": ")
            << result.errors[0];
        EXPECT_NE(result.errors[0].find(bad.error), std::string::npos) << result.errors[0];
        EXPECT_TRUE(result.grids.empty()) << bad.name;
    }
}

TEST_F(ClimateImport, AZipUnpackingBeyondTheLimitIsRefusedAsABomb) {
    test::writeZip(folder / "bomb.zip", {{"R001.TXT", std::string(5000, '0')}});
    const ImportResult result = import({folder / "bomb.zip"}, std::nullopt, 4096);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0], (folder / "bomb.zip").string() +
                                    ": unpacks to more than 4096 bytes; refused as a zip bomb");
}

// A stop is asked for before each file and now and then while a long text grid is read; once
// asked for, the import gives nothing, not even an error, so the installed grid stays as it was.
TEST_F(ClimateImport, AStopAskedForBeforeOrDuringAGridImportsNothing) {
    write("LogK.csv", test::gridText(kNorthWest, test::bilinearFormula(-5, 0, 0, 0), ','));
    installed({folder / "LogK.csv"});
    const std::string before = test::readFileText(cache.fileOf(ClimateKind::LogK));
    write("R001.TXT", test::uniformGridText(200, 1000)); // asked on the way through
    const auto importStoppingAt = [](std::vector<std::filesystem::path> paths, int question,
                                     int& asked) {
        ImportRequest request{std::move(paths), {}, "2026-12-08"};
        request.stopAsked = [&asked, question] { return ++asked >= question; };
        return importClimateGrids(request);
    };
    int readThrough = 0;
    EXPECT_FALSE(
        importStoppingAt({folder / "LogK.csv", folder / "R001.TXT"}, 1000, readThrough).stopped);
    // Before the first file, or while reading the large one.
    for (const int question : {1, readThrough - 2}) {
        int asked = 0;
        const ImportResult result =
            importStoppingAt({folder / "LogK.csv", folder / "R001.TXT"}, question, asked);
        EXPECT_TRUE(result.stopped);
        EXPECT_TRUE(result.grids.empty());
        EXPECT_TRUE(result.errors.empty()) << result.errors.front();
        EXPECT_LT(asked, readThrough) << "stops before the end";
    }
    EXPECT_EQ(test::readFileText(cache.fileOf(ClimateKind::LogK)), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cache.folder()), {}), 1);
}

TEST_F(ClimateImport, TheCacheKeepsWhatItHadWhenAFileIsDamagedOrRemoved) {
    write("LogK.csv", test::gridText(kNorthWest, test::bilinearFormula(-5, 0, 0, 0), ','));
    const ClimateMaps maps = installed({folder / "LogK.csv"});
    ASSERT_TRUE(maps.grid(ClimateKind::LogK));
    const std::string image = test::readFileText(cache.fileOf(ClimateKind::LogK));
    test::writeFile(cache.fileOf(ClimateKind::LogK), image.substr(0, image.size() - 8));
    const CachedGridOpening damaged = cache.open(ClimateKind::LogK);
    EXPECT_FALSE(damaged.grid);
    EXPECT_EQ(damaged.error,
              cache.fileOf(ClimateKind::LogK).string() + ": damaged; import the grid again");
    EXPECT_TRUE(cache.remove(ClimateKind::LogK));
    EXPECT_FALSE(cache.remove(ClimateKind::LogK));
    EXPECT_TRUE(cache.open(ClimateKind::LogK).error.empty());

    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(climateCacheFolder(), "/srv/data/korvel/climate");
    setenv("XDG_DATA_HOME", "relative",
           1); // not absolute: ignored, as XDG base directories require
    EXPECT_EQ(climateCacheFolder(),
              std::filesystem::path(std::getenv("HOME")) / ".local/share/korvel/climate");
}

} // namespace
} // namespace korvel
