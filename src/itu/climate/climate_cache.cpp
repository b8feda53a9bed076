#include "itu/climate/climate_cache.h"

#include <cstdlib>
#include <cstring>
#include <system_error>

#include "library/byte_io.h"
#include "platform/file_replace.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

constexpr char kMagic[8] = {'K', 'V', 'C', 'L', 'I', 'M', 'A', 'T'};
constexpr std::uint32_t kLayoutVersion = 1;
constexpr std::uint32_t kLongestText = 4096;

void writeText(ByteWriter& out, const std::string& utf8) {
    const std::string text = utf8ToCp1252(utf8).substr(0, kLongestText);
    out.writeU32(static_cast<std::uint32_t>(text.size()));
    out.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string readText(ByteReader& in) {
    const std::uint32_t length = in.readU32();
    const auto bytes = in.readBytes(length <= kLongestText ? length : in.remaining() + 1);
    return cp1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

std::filesystem::path climateCacheFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data != nullptr && std::filesystem::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share";
    }
    return base / "korvel" / "climate";
}

std::vector<std::uint8_t> cachedGridImage(const ImportedGrid& grid) {
    std::vector<std::uint8_t> image;
    image.reserve(256 + grid.values.size() * 8);
    ByteWriter out(image);
    out.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(kMagic), sizeof kMagic));
    out.writeU32(kLayoutVersion);
    out.writeU32(static_cast<std::uint32_t>(grid.kind));
    out.writeU32(grid.geometry.rows);
    out.writeU32(grid.geometry.columns);
    out.writeF64(grid.geometry.firstLatDeg);
    out.writeF64(grid.geometry.latStepDeg);
    out.writeF64(grid.geometry.firstLonDeg);
    out.writeF64(grid.geometry.lonStepDeg);
    const GridProvenance& p = grid.provenance;
    for (const std::string* text : {&p.sourceFile, &p.recommendation, &p.sha256, &p.importDate}) {
        writeText(out, *text);
    }
    out.zeros((8 - image.size() % 8) % 8);
    for (const double value : grid.values) {
        out.writeF64(value);
    }
    return image;
}

CachedGrid::CachedGrid(std::unique_ptr<MappedFile> file, ClimateKind kind, GridGeometry geometry,
                       GridProvenance provenance, std::size_t valuesOffset)
    : file_(std::move(file)), kind_(kind), provenance_(std::move(provenance)),
      view_(geometry, file_->bytes().subspan(valuesOffset)) {}

std::filesystem::path ClimateCache::fileOf(ClimateKind kind) const {
    return folder_ / (std::string(climateKindFacts(kind).name) + ".grid");
}

bool ClimateCache::store(const ImportedGrid& grid) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    const auto image = cachedGridImage(grid);
    return replaceFileContents(fileOf(grid.kind), image) == FileWriteResult::Written;
}

bool ClimateCache::remove(ClimateKind kind) const {
    std::error_code error;
    return std::filesystem::remove(fileOf(kind), error);
}

CachedGridOpening ClimateCache::open(ClimateKind kind) const {
    const auto file = fileOf(kind);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return {};
    }
    const std::string damaged = file.string() + ": damaged; import the grid again";
    auto mapped = MappedFile::open(file);
    if (!mapped) {
        return {nullptr, damaged};
    }
    ByteReader in(mapped->bytes());
    const auto magic = in.readBytes(sizeof kMagic);
    const bool known =
        magic.size() == sizeof kMagic && std::memcmp(magic.data(), kMagic, sizeof kMagic) == 0 &&
        in.readU32() == kLayoutVersion && in.readU32() == static_cast<std::uint32_t>(kind);
    GridGeometry geometry;
    geometry.rows = in.readU32();
    geometry.columns = in.readU32();
    geometry.firstLatDeg = in.readF64();
    geometry.latStepDeg = in.readF64();
    geometry.firstLonDeg = in.readF64();
    geometry.lonStepDeg = in.readF64();
    GridProvenance provenance;
    for (std::string* text : {&provenance.sourceFile, &provenance.recommendation,
                              &provenance.sha256, &provenance.importDate}) {
        *text = readText(in);
    }
    in.skip((8 - in.position() % 8) % 8);
    const std::size_t offset = in.position();
    if (!known || !in.ok() || !geometry.valid() || in.remaining() / 8 != geometry.nodeCount() ||
        in.remaining() % 8 != 0) {
        return {nullptr, damaged};
    }
    return {std::make_unique<CachedGrid>(std::move(mapped), kind, geometry, std::move(provenance),
                                         offset),
            {}};
}

} // namespace korvel
