#pragma once
// Rasters the tests write with GDAL, every cell's value known: 100 · row + 10 · column as
// stored, so bilinear interpolation of this plane is exact everywhere between the cell centres.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

namespace korvel::test {

constexpr double kRasterNoData = -32768.0;

struct SyntheticRaster {
    double west = 25.0;  // left edge, degrees or metres
    double north = 60.3; // top edge
    double cellSize = 0.1;
    int width = 4;
    int height = 3;
    int epsg = 4326; // 0: no spatial reference
    bool voidInFirstCell = false;
    GDALDataType type = GDT_Float32;
    double scale = 1.0;
    double offset = 0.0;
    std::string unit;      // the band's height unit: "", "ft", ...
    double rotation = 0.0; // the geotransform's row rotation term
};

inline void writeGeoTiff(const std::filesystem::path& file, const SyntheticRaster& raster) {
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
    ASSERT_NE(driver, nullptr);
    GDALDataset* dataset =
        driver->Create(file.c_str(), raster.width, raster.height, 1, raster.type, nullptr);
    ASSERT_NE(dataset, nullptr);
    double transform[6] = {raster.west,  raster.cellSize, raster.rotation,
                           raster.north, raster.rotation, -raster.cellSize};
    dataset->SetGeoTransform(transform);
    if (raster.epsg != 0) {
        OGRSpatialReference system;
        system.importFromEPSG(raster.epsg);
        dataset->SetSpatialRef(&system);
    }
    std::vector<double> cells;
    for (int row = 0; row < raster.height; ++row) {
        for (int column = 0; column < raster.width; ++column) {
            cells.push_back(100.0 * row + 10.0 * column);
        }
    }
    GDALRasterBand* band = dataset->GetRasterBand(1);
    band->SetNoDataValue(kRasterNoData);
    band->SetScale(raster.scale);
    band->SetOffset(raster.offset);
    band->SetUnitType(raster.unit.c_str());
    if (raster.voidInFirstCell) {
        cells[0] = kRasterNoData;
    }
    ASSERT_EQ(band->RasterIO(GF_Write, 0, 0, raster.width, raster.height, cells.data(),
                             raster.width, raster.height, GDT_Float64, 0, 0),
              CE_None);
    GDALClose(dataset);
}

} // namespace korvel::test
