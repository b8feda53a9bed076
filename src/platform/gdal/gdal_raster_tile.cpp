#include "gdal_raster_tile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include <cpl_error.h>

namespace korvel {

namespace {

// Metres in a degree of latitude on a sphere of the mean earth radius, 6371 km.
constexpr double kMetresPerDegree = 6371000.0 * std::numbers::pi / 180.0;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMetresPerUsSurveyFoot = 1200.0 / 3937.0;
constexpr double kMiB = 1024.0 * 1024.0;
// The largest block read for a point: what GDAL's block cache holds.
constexpr double kMostBlockMiB = 32.0;

std::string lowered(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

// Metres in the band's height unit, or nothing for a unit that is neither metres nor feet.
std::optional<double> metresPerUnit(const std::string& unit) {
    const std::string name = lowered(unit);
    for (const char* metre : {"", "m", "metre", "metres", "meter", "meters"}) {
        if (name == metre) {
            return 1.0;
        }
    }
    for (const char* foot : {"ft", "foot", "feet", "international foot"}) {
        if (name == foot) {
            return kMetresPerFoot;
        }
    }
    for (const char* foot : {"us-ft", "ftus", "us survey foot", "foot_us", "us_survey_foot"}) {
        if (name == foot) {
            return kMetresPerUsSurveyFoot;
        }
    }
    return std::nullopt;
}

std::string lastGdalError(const std::string& otherwise) {
    const std::string message = CPLGetLastErrorMsg();
    return message.empty() ? otherwise : message;
}

} // namespace

std::optional<RasterTile> RasterTile::open(const std::filesystem::path& file, std::string& error) {
    RasterTile tile;
    tile.name_ = file.filename().string();
    tile.dataset_.reset(GDALDataset::Open(file.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    if (!tile.dataset_) {
        error = lastGdalError("not a raster GDAL reads");
        return std::nullopt;
    }
    tile.width_ = tile.dataset_->GetRasterXSize();
    tile.height_ = tile.dataset_->GetRasterYSize();
    if (tile.dataset_->GetRasterCount() < 1 || tile.width_ < 1 || tile.height_ < 1) {
        error = "the raster holds no band of values";
        return std::nullopt;
    }
    if (tile.dataset_->GetGeoTransform(tile.transform_.data()) != CE_None) {
        error = "the raster has no position on the earth (no geotransform)";
        return std::nullopt;
    }
    const auto& t = tile.transform_;
    if (t[2] != 0.0 || t[4] != 0.0 || t[1] == 0.0 || t[5] == 0.0 ||
        !std::ranges::all_of(t, [](double v) { return std::isfinite(v); })) {
        error = "the raster is rotated; turn it north up first (gdalwarp)";
        return std::nullopt;
    }
    if (error = tile.prepareCoordinates(); !error.empty()) {
        return std::nullopt;
    }
    if (error = tile.prepareBand(); !error.empty()) {
        return std::nullopt;
    }
    return tile;
}

std::string RasterTile::prepareCoordinates() {
    const OGRSpatialReference* rasterSystem = dataset_->GetSpatialRef();
    if (rasterSystem == nullptr || rasterSystem->IsEmpty()) {
        return "the raster has no spatial reference; give it one first "
               "(gdal_edit.py -a_srs EPSG:4326)";
    }
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (rasterSystem->IsGeographic() && rasterSystem->IsSameGeogCS(&wgs84)) {
        cellSizeM_ = std::fabs(transform_[5]) * kMetresPerDegree;
        return {};
    }
    OGRSpatialReference target(*rasterSystem);
    target.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    fromWgs84_.reset(OGRCreateCoordinateTransformation(&wgs84, &target));
    if (!fromWgs84_) {
        return "its coordinate system cannot be reached from WGS84";
    }
    const double unitM = target.IsGeographic() ? kMetresPerDegree : target.GetLinearUnits();
    cellSizeM_ = std::fabs(transform_[5]) * unitM;
    return {};
}

std::string RasterTile::prepareBand() {
    band_ = dataset_->GetRasterBand(1);
    type_ = band_->GetRasterDataType();
    if (GDALDataTypeIsComplex(type_) != 0 || type_ == GDT_Unknown) {
        return "the raster's values are not heights (complex numbers)";
    }
    typeBytes_ = GDALGetDataTypeSizeBytes(type_);
    band_->GetBlockSize(&blockWidth_, &blockHeight_);
    if (blockWidth_ < 1 || blockHeight_ < 1) {
        return "the raster's blocks cannot be read";
    }
    // A raster stored as one huge block would be read whole for a single point.
    const double blockMiB = static_cast<double>(blockWidth_) * blockHeight_ * typeBytes_ / kMiB;
    if (blockMiB > kMostBlockMiB) {
        return "its blocks of " + std::to_string(static_cast<long long>(std::ceil(blockMiB))) +
               " MiB cannot be read in part; store it in tiles first (gdal_translate -co "
               "TILED=YES)";
    }
    const std::string unit = band_->GetUnitType();
    const auto perUnit = metresPerUnit(unit);
    if (!perUnit) {
        return "the raster's heights are in \"" + unit + "\", neither metres nor feet";
    }
    metresPerUnit_ = *perUnit;
    int hasScale = 0;
    int hasOffset = 0;
    const double scale = band_->GetScale(&hasScale);
    const double offset = band_->GetOffset(&hasOffset);
    scale_ = hasScale != 0 ? scale : 1.0;
    offset_ = hasOffset != 0 ? offset : 0.0;
    if (!std::isfinite(scale_) || !std::isfinite(offset_) || scale_ == 0.0) {
        return "the raster's scale or offset is not a usable number";
    }
    int hasNoData = 0;
    const double noData = band_->GetNoDataValue(&hasNoData);
    if (hasNoData != 0) {
        // Through the band's type, so that a float no-data value compares equal to its cells.
        double held = 0.0;
        std::array<GByte, 16> stored{};
        GDALCopyWords(&noData, GDT_Float64, 0, stored.data(), type_, 0, 1);
        GDALCopyWords(stored.data(), type_, 0, &held, GDT_Float64, 0, 1);
        noData_ = std::isnan(noData) ? noData : held;
    }
    return {};
}

double RasterTile::cellM(int column, int row) const {
    GDALRasterBlock* block = band_->GetLockedBlockRef(column / blockWidth_, row / blockHeight_);
    if (block == nullptr) {
        if (readFault_.empty()) {
            readFault_ = name_ + ": " + lastGdalError("the raster's values cannot be read");
        }
        return NAN;
    }
    const auto at =
        static_cast<std::size_t>(row % blockHeight_) * static_cast<std::size_t>(blockWidth_) +
        static_cast<std::size_t>(column % blockWidth_);
    double raw = 0.0;
    GDALCopyWords(static_cast<const GByte*>(block->GetDataRef()) +
                      at * static_cast<std::size_t>(typeBytes_),
                  type_, 0, &raw, GDT_Float64, 0, 1);
    block->DropLock();
    if (noData_ && (raw == *noData_ || (std::isnan(*noData_) && std::isnan(raw)))) {
        return NAN;
    }
    return (raw * scale_ + offset_) * metresPerUnit_;
}

std::optional<double> RasterTile::elevationM(double latitudeDeg, double longitudeDeg) const {
    double x = longitudeDeg;
    double y = latitudeDeg;
    if (fromWgs84_ && !fromWgs84_->Transform(1, &x, &y)) {
        return std::nullopt;
    }
    // Pixel coordinates counted from the centre of the first cell.
    double column = (x - transform_[0]) / transform_[1] - 0.5;
    double row = (y - transform_[3]) / transform_[5] - 0.5;
    if (!(column >= -0.5 && row >= -0.5 && column <= width_ - 0.5 && row <= height_ - 0.5)) {
        return std::nullopt;
    }
    // Between the raster's edge and the outer cell centres the outer cells hold.
    column = std::clamp(column, 0.0, static_cast<double>(width_ - 1));
    row = std::clamp(row, 0.0, static_cast<double>(height_ - 1));
    const int left = std::min(static_cast<int>(column), width_ - 1);
    const int top = std::min(static_cast<int>(row), height_ - 1);
    const int right = std::min(left + 1, width_ - 1);
    const int bottom = std::min(top + 1, height_ - 1);
    const double across = column - left;
    const double down = row - top;
    const std::array<double, 4> shares{(1 - across) * (1 - down), across * (1 - down),
                                       (1 - across) * down, across * down};
    const std::array<std::pair<int, int>, 4> cells{
        {{left, top}, {right, top}, {left, bottom}, {right, bottom}}};
    // A cell without data drops out and the others share its weight; cells of no weight are
    // not read at all.
    double sum = 0.0;
    double weight = 0.0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double share = shares[i];
        if (share <= 0.0) {
            continue;
        }
        const double value = cellM(cells[i].first, cells[i].second);
        if (std::isfinite(value)) {
            sum += value * share;
            weight += share;
        }
    }
    if (weight <= 0.0 || !readFault_.empty()) {
        return std::nullopt;
    }
    return sum / weight;
}

} // namespace korvel
