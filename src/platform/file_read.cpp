#include "platform/file_read.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace korvel {

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& file,
                                                       std::size_t maxBytes) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Read in chunks: the size a file reports is not trusted (pipes, files that grow).
    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < maxBytes && in) {
        const std::size_t start = bytes.size();
        bytes.resize(start + std::min(kChunk, maxBytes - start));
        in.read(reinterpret_cast<char*>(bytes.data() + start),
                static_cast<std::streamsize>(bytes.size() - start));
        bytes.resize(start + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace korvel
