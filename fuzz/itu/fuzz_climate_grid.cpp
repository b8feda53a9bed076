// Climate grid files: any bytes, read as a text grid, a NumPy array and a zip archive, are refused
// with a reason or give a whole rectangle of finite numbers; no member unpacks past the limit.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_support.h"
#include "itu/climate/grid_array.h"
#include "platform/zip_archive.h"

namespace {

void check(const korvel::GridArrayRead& read) {
    using korvel::fuzz::require;
    if (!read.array) {
        require(!read.error.empty());
        return;
    }
    require(read.array->values.size() ==
            static_cast<std::size_t>(read.array->rows) * read.array->columns);
    for (const double value : read.array->values) {
        require(std::isfinite(value));
    }
    korvel::fuzz::keep(read.array->values.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvel;
    const std::span<const std::uint8_t> bytes(data, size);
    check(readTextGrid(bytes));
    check(readNpyArray(bytes));
    constexpr std::uint64_t kLimit = 1u << 20u;
    ZipOpening opening = openZipArchive(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (!opening.archive) {
        fuzz::require(!opening.error.empty());
        return 0;
    }
    for (std::size_t i = 0; i < opening.archive->members().size() && i < 8; ++i) {
        const ZipMemberBytes member = opening.archive->read(i, kLimit);
        fuzz::require(member.bytes.size() <= kLimit);
        if (member.status == ZipReadStatus::Read) {
            check(readNpyArray(member.bytes));
        }
    }
    return 0;
}
