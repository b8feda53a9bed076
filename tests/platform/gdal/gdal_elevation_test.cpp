// The elevation port on rasters the tests write with GDAL (tests/support/synthetic_raster.h),
// read through the loaded module.

#include <gtest/gtest.h>

#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include "geo/geodesic.h"
#include "geo/terrain_profile.h"
#include "platform/elevation_module.h"
#include "support/synthetic_raster.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

using Raster = test::SyntheticRaster;
using test::writeGeoTiff;

// The module as built, wherever the test program runs from.
ElevationModelOpening openWithModule(const std::vector<std::filesystem::path>& files) {
    return openElevationModel(files, {KORVEL_ELEVATION_MODULE_FILE});
}

class GdalElevation : public ::testing::Test {
  protected:
    std::unique_ptr<ElevationModel> open(const std::vector<std::filesystem::path>& files) {
        auto opening = openWithModule(files);
        EXPECT_EQ(opening.error, "");
        return std::move(opening.model);
    }
    test::TempFolder folder;
};

TEST_F(GdalElevation, ReadsEveryCellAndInterpolatesBetweenCentres) {
    writeGeoTiff(folder / "plane.tif", {});
    const auto model = open({folder / "plane.tif"});
    ASSERT_TRUE(model);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double latitude = 60.25 - 0.1 * row;
            const double longitude = 25.05 + 0.1 * column;
            EXPECT_NEAR(*model->elevationM(latitude, longitude), 100 * row + 10 * column, 1e-9);
        }
    }
    // A quarter of a cell east and 0.6 of a cell south of the first centre.
    EXPECT_NEAR(*model->elevationM(60.19, 25.075), 100 * 0.6 + 10 * 0.25, 1e-9);
    // Between the edge and the outer centres the outer cells hold.
    EXPECT_NEAR(*model->elevationM(60.299, 25.001), 0.0, 1e-9);
    EXPECT_FALSE(model->elevationM(60.31, 25.1));
    EXPECT_FALSE(model->elevationM(60.2, 24.99));
    EXPECT_NEAR(model->cellSizeM(), 0.1 * 111194.93, 0.01);
}

TEST_F(GdalElevation, AVoidCellGivesItsWeightToTheOthers) {
    Raster raster;
    raster.voidInFirstCell = true;
    writeGeoTiff(folder / "void.tif", raster);
    const auto model = open({folder / "void.tif"});
    EXPECT_FALSE(model->elevationM(60.299, 25.001)); // the corner, where only the void counts
    // Halfway from the void to the next cell east: only the latter counts.
    EXPECT_NEAR(*model->elevationM(60.25, 25.10), 10.0, 1e-6);
}

TEST_F(GdalElevation, SeveralTilesAndAProjectedRasterMakeOneModel) {
    writeGeoTiff(folder / "west.tif", {});
    Raster east;
    east.west = 25.4;
    writeGeoTiff(folder / "east.tif", east);
    // A raster in UTM zone 35 N metres, 1 km cells, around 60.2 N 27 E.
    Raster utm;
    utm.west = 500000.0;
    utm.north = 6680000.0;
    utm.cellSize = 1000.0;
    utm.width = utm.height = 20;
    utm.epsg = 32635;
    writeGeoTiff(folder / "utm.tif", utm);
    const auto model = open({folder / "west.tif", folder / "east.tif", folder / "utm.tif"});
    EXPECT_NEAR(*model->elevationM(60.25, 25.45), 0.0, 1e-9); // the east tile's first cell
    EXPECT_NEAR(*model->elevationM(60.05, 25.75), 230.0, 1e-9);
    // Where GDAL puts the point in zone 35 N, the plane's value.
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReference zone;
    zone.importFromEPSG(32635);
    zone.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    std::unique_ptr<OGRCoordinateTransformation> toZone(
        OGRCreateCoordinateTransformation(&wgs84, &zone));
    double x = 27.05;
    double y = 60.2;
    ASSERT_TRUE(toZone->Transform(1, &x, &y));
    const double row = (utm.north - y) / 1000.0 - 0.5;
    const double column = (x - utm.west) / 1000.0 - 0.5;
    ASSERT_GT(column, 1.0); // well inside, not clamped at an edge
    EXPECT_NEAR(*model->elevationM(60.2, 27.05), 100 * row + 10 * column, 1e-6);
    EXPECT_NEAR(model->cellSizeM(), 1000.0, 1e-9);
}

TEST_F(GdalElevation, RefusesWhatItCannotUseNamingTheFile) {
    test::writeFile(folder / "notes.tif", "not a raster");
    const auto notRaster = openWithModule({folder / "notes.tif"});
    EXPECT_FALSE(notRaster.model);
    EXPECT_EQ(notRaster.error.rfind("notes.tif: ", 0), 0u) << notRaster.error;
    const auto missing = openWithModule({folder / "absent.hgt"});
    EXPECT_EQ(missing.error.rfind("absent.hgt: ", 0), 0u) << missing.error;
    EXPECT_EQ(openWithModule({}).error, "no elevation model given");
}

TEST_F(GdalElevation, AMissingOrBrokenModuleIsNamedAndTheFirstPresentOneServes) {
    writeGeoTiff(folder / "plane.tif", {});
    const std::vector<std::filesystem::path> files{folder / "plane.tif"};
    const auto besideProgram = folder / "korvel-elevation-gdal.so";
    const auto underPrefix = folder / "lib" / "korvel" / "korvel-elevation-gdal.so";
    EXPECT_EQ(openElevationModel(files, {besideProgram, underPrefix}).error,
              "cannot read elevation models: the module korvel-elevation-gdal.so is missing "
              "(looked for " +
                  besideProgram.string() + ", " + underPrefix.string() + ")");

    test::writeFile(besideProgram, "not a shared object");
    const auto broken = openElevationModel(files, {besideProgram, underPrefix});
    EXPECT_FALSE(broken.model);
    EXPECT_EQ(broken.error.rfind("cannot read elevation models: " + besideProgram.string(), 0), 0u)
        << broken.error;
    EXPECT_EQ(openElevationModel(files, {KORVEL_GDAL_LIBRARY_FILE}).error,
              "cannot read elevation models: " KORVEL_GDAL_LIBRARY_FILE
              " lacks korvel_open_elevation_model");

    EXPECT_TRUE(openElevationModel(files, {underPrefix, KORVEL_ELEVATION_MODULE_FILE}).model);
}

// Mended: a module cut short (a copy that stopped half way) crashed the program with a bus
// error when it was loaded.
TEST_F(GdalElevation, ADamagedModuleIsRefusedBeforeItIsLoaded) {
    writeGeoTiff(folder / "plane.tif", {});
    const std::string whole = test::readFileText(KORVEL_ELEVATION_MODULE_FILE);
    const auto cut = folder / "korvel-elevation-gdal.so";
    for (const std::size_t kept : {whole.size() / 2, whole.size() - 1, std::size_t{100}}) {
        test::writeFile(cut, std::string_view(whole).substr(0, kept));
        const auto opening = openElevationModel({folder / "plane.tif"}, {cut});
        EXPECT_FALSE(opening.model);
        EXPECT_EQ(opening.error.rfind("cannot read elevation models: " + cut.string() +
                                          " is damaged (cut short: ",
                                      0),
                  0u)
            << opening.error;
    }
}

TEST_F(GdalElevation, ProfileFollowsTheGeodesicAcrossTheModel) {
    writeGeoTiff(folder / "plane.tif", {});
    const auto model = open({folder / "plane.tif"});
    const GeoPoint from{60.25, 25.05};
    const GeoPoint to{60.25, 25.35}; // along row 0: 10 m per tenth of a degree eastwards
    const auto sampling = sampleProfile(*model, from, to, 2.0);
    ASSERT_EQ(sampling.error, "");
    const double lengthKm = geodesicLengthKm(from, to);
    ASSERT_EQ(sampling.profile.size(), static_cast<std::size_t>(std::ceil(lengthKm / 2.0)) + 1);
    EXPECT_DOUBLE_EQ(sampling.profile.back().distanceKm, lengthKm);
    EXPECT_NEAR(sampling.profile.front().groundM, 0.0, 1e-9);
    EXPECT_NEAR(sampling.profile.back().groundM, 30.0, 1e-9);
    // The geodesic bows north of the parallel, into row -0.something: still the outer row.
    for (const ProfilePoint& point : sampling.profile) {
        EXPECT_NEAR(point.groundM, 30.0 * point.distanceKm / lengthKm, 0.05);
    }
    const auto outside = sampleProfile(*model, from, {60.25, 25.5}, 5.0);
    EXPECT_EQ(outside.error,
              "no elevation data at 60.25012 N, 25.41115 E (20.000 km from station 1); no model "
              "covers N60E025 (20.000-24.920 km)");
    EXPECT_NEAR(defaultProfileStepKm(*model), 11.119, 0.001);
}

// Heights stored as scaled integers or in feet come out in metres; the cell at row 1, column 2
// stores 120.
TEST_F(GdalElevation, ScaleOffsetAndFeetGiveMetres) {
    struct Case {
        GDALDataType type;
        double scale;
        double offset;
        const char* unit;
        double metres;
    };
    for (const Case& c :
         {Case{GDT_Int16, 0.5, 10.0, "", 70.0}, Case{GDT_Int16, 1.0, 0.0, "ft", 120.0 * 0.3048},
          Case{GDT_UInt16, 0.1, -2.0, "foot", 10.0 * 0.3048},
          Case{GDT_Float32, 2.0, 0.0, "metre", 240.0}}) {
        Raster raster;
        raster.type = c.type;
        raster.scale = c.scale;
        raster.offset = c.offset;
        raster.unit = c.unit;
        writeGeoTiff(folder / "scaled.tif", raster);
        const auto model = open({folder / "scaled.tif"});
        ASSERT_TRUE(model);
        EXPECT_NEAR(*model->elevationM(60.15, 25.25), c.metres, 1e-6) << c.unit << c.scale;
    }
}

TEST_F(GdalElevation, AFolderAndAVirtualRasterServeTheirTiles) {
    std::filesystem::create_directory(folder / "tiles");
    writeGeoTiff(folder / "tiles" / "west.tif", {});
    Raster east;
    east.west = 25.4;
    writeGeoTiff(folder / "tiles" / "east.TIF", east);
    test::writeFile(folder / "tiles" / "readme.txt", "not a raster");
    const auto fromFolder = open({folder / "tiles"});
    ASSERT_TRUE(fromFolder);
    EXPECT_NEAR(*fromFolder->elevationM(60.05, 25.75), 230.0, 1e-9);
    EXPECT_NEAR(*fromFolder->elevationM(60.05, 25.05), 200.0, 1e-9);

    const std::string west = (folder / "tiles" / "west.tif").string();
    const std::string eastName = (folder / "tiles" / "east.TIF").string();
    const char* sources[] = {west.c_str(), eastName.c_str()};
    int failed = 0;
    GDALClose(GDALBuildVRT((folder / "both.vrt").c_str(), 2, nullptr, sources, nullptr, &failed));
    ASSERT_EQ(failed, 0);
    const auto fromVrt = open({folder / "both.vrt"});
    ASSERT_TRUE(fromVrt);
    EXPECT_NEAR(*fromVrt->elevationM(60.05, 25.75), 230.0, 1e-9);

    std::filesystem::create_directory(folder / "empty");
    EXPECT_EQ(openWithModule({folder / "empty"}).error,
              (folder / "empty").string() +
                  ": the folder holds no elevation model (.tif, .hgt, .vrt, ...)");
}

TEST_F(GdalElevation, RefusesRastersItCannotPlaceOrMeasure) {
    Raster noReference;
    noReference.epsg = 0;
    Raster rotated;
    rotated.rotation = 0.01;
    Raster furlongs;
    furlongs.unit = "furlong";
    for (const auto& [raster, error] :
         {std::pair{noReference, "x.tif: the raster has no spatial reference; give it one "
                                 "first (gdal_edit.py -a_srs EPSG:4326)"},
          std::pair{rotated, "x.tif: the raster is rotated; turn it north up first (gdalwarp)"},
          std::pair{furlongs,
                    "x.tif: the raster's heights are in \"furlong\", neither metres nor feet"}}) {
        writeGeoTiff(folder / "x.tif", raster);
        EXPECT_EQ(openWithModule({folder / "x.tif"}).error, error);
    }
}

// A file cut short after it opened reads as a fault naming it, not as ground without data.
TEST_F(GdalElevation, ATruncatedRasterIsNamedWhenItsBlocksCannotBeRead) {
    Raster big;
    big.width = 400;
    big.height = 400;
    big.cellSize = 0.001;
    big.type = GDT_Int16;
    writeGeoTiff(folder / "cut.tif", big);
    std::filesystem::resize_file(folder / "cut.tif", 2000);
    const auto model = open({folder / "cut.tif"});
    ASSERT_TRUE(model);
    const auto sampling = sampleProfile(*model, {60.299, 25.001}, {59.901, 25.399}, 0.5);
    EXPECT_EQ(sampling.error.rfind("cut.tif: ", 0), 0u) << sampling.error;
}

TEST_F(GdalElevation, SamplingReportsProgressAndStopsWhenCancelled) {
    writeGeoTiff(folder / "plane.tif", {});
    const auto model = open({folder / "plane.tif"});
    std::size_t calls = 0;
    const auto sampling = sampleProfile(*model, {60.25, 25.05}, {60.25, 25.35}, 2.0,
                                        [&](std::size_t done, std::size_t total) {
                                            EXPECT_EQ(done, ++calls);
                                            EXPECT_GT(total, 5u);
                                            return done < 3;
                                        });
    EXPECT_TRUE(sampling.cancelled);
    EXPECT_EQ(calls, 3u);
    EXPECT_TRUE(sampling.profile.empty());
}

} // namespace
} // namespace korvel
